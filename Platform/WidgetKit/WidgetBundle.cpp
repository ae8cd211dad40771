#include "Platform/WidgetKit/WidgetBundle.hpp"

namespace wk {

std::string_view itemType(const BundleItem& item) {
  return std::holds_alternative<StaticConfiguration>(item) ? "widget" : "control";
}

const std::string& kind(const BundleItem& item) {
  return std::visit([](const auto& configuration) -> const std::string& {
    return configuration.kind();
  }, item);
}

std::vector<BundleItem> evaluate(const WidgetBundleBody& body) {
  std::vector<BundleItem> items;
  for (const BundlePart& part : body) {
    if (const auto* single = std::get_if<BundleItemSource>(&part.part())) {
      items.push_back(single->evaluate());
      continue;
    }
    const auto& group = std::get<LimitedAvailability>(part.part());
    if (!fnd::isAvailable(group.minimum)) continue;
    for (const BundleItemSource& source : group.items) items.push_back(source.evaluate());
  }
  return items;
}

}  // namespace wk
