#include "Host/HostBundle.hpp"

#include <stdexcept>

#include "App/Widget/PelloraWidget.hpp"

namespace host {

std::vector<wk::BundleItem> offeredItems() { return wk::offeredItems(pellora::PelloraWidgets{}); }

wk::StaticConfiguration batteryWidget() {
  for (const wk::BundleItem& item : offeredItems()) {
    if (const auto* widget = std::get_if<wk::StaticConfiguration>(&item)) {
      if (widget->kind() == pellora::BatteryWidget::kind()) return *widget;
    }
  }
  throw std::logic_error("the bundle offers no battery widget");
}

std::optional<wk::StaticControlConfiguration> offeredControl(std::string_view kind) {
  for (const wk::BundleItem& item : offeredItems()) {
    if (const auto* control = std::get_if<wk::StaticControlConfiguration>(&item)) {
      if (control->kind() == kind) return *control;
    }
  }
  return std::nullopt;
}

const pellora::Entry& entryOf(const wk::AnyEntry& entry) {
  const auto* e = entry.as<pellora::Entry>();
  if (e == nullptr) throw std::logic_error("an entry that is not the battery widget's");
  return *e;
}

}  // namespace host
