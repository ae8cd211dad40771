#include "App/Widget/Views/Tint.hpp"

namespace pellora {

namespace {

// The one rule behind both colours; they differ only on battery above 20 %.
ui::Color stateColor(const WidgetSnapshot& s, ui::Color comfortable) {
  switch (s.mode) {
    case WidgetSnapshot::Mode::charging:
    case WidgetSnapshot::Mode::full: return ui::Color::green();
    case WidgetSnapshot::Mode::held:
    case WidgetSnapshot::Mode::sailing: return ui::Color::blue();
    case WidgetSnapshot::Mode::onBattery: break;
  }
  if (s.percent > 20) return comfortable;
  if (s.percent > 10) return ui::Color::orange();
  return ui::Color::red();
}

}  // namespace

ui::Color modeLabelColor(const WidgetSnapshot& s) { return stateColor(s, ui::Color::secondary()); }
ui::Color barTint(const WidgetSnapshot& s) { return stateColor(s, ui::Color::primary()); }

}  // namespace pellora
