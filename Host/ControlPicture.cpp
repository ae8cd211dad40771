#include "Host/ControlPicture.hpp"

#include <stdexcept>
#include <variant>

#include "App/Widget/PelloraControls.hpp"
#include "Host/HostBundle.hpp"
#include "Platform/Foundation/SystemVersion.hpp"

namespace host {

std::string controlKind(std::string_view name) {
  if (name == "limit") return pellora::ChargeLimitControl::kind();
  if (name == "full") return pellora::ChargeFullControl::kind();
  if (name == "open") return pellora::OpenPelloraControl::kind();
  throw std::invalid_argument("no control is named " + std::string(name));
}

render::ControlTile controlTile(std::string_view name, std::optional<bool> state) {
  const std::string kind = controlKind(name);
  const std::optional<wk::StaticControlConfiguration> control = offeredControl(kind);
  if (!control) {
    throw std::runtime_error("the control " + kind + " is not offered on system " +
                             fnd::SystemVersion::current().text());
  }
  const wk::ControlTemplate shown = control->currentTemplate().get();
  render::ControlTile tile;
  if (const auto* toggle = std::get_if<wk::ControlWidgetToggle>(&shown)) {
    const bool on = state.value_or(toggle->isOn);
    const wk::Label label = toggle->valueLabel(on);
    tile.symbol = label.systemImage;
    tile.title = toggle->title.text();
    tile.valueLabel = label.title.text();
    tile.isOn = on;
  } else {
    const wk::Label& label = std::get<wk::ControlWidgetButton>(shown).label;
    tile.symbol = label.systemImage;
    tile.title = label.title.text();
  }
  return tile;
}

}  // namespace host
