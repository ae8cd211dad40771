#pragma once
// What a control shows on the system's control surfaces: a toggle with a state, or a button.
// Each carries the intent that the platform runs when the user works it.
#include <functional>
#include <string_view>
#include <utility>
#include <variant>

#include "Platform/Foundation/LocalizedStringKey.hpp"
#include "Platform/Intents/AnyAppIntent.hpp"
#include "Platform/WidgetKit/Label.hpp"

namespace wk {

struct ControlWidgetToggle {
  fnd::LocalizedStringKey title;
  bool isOn;
  // Set to the new state by the platform, then performed, when the user flips the toggle.
  intents::AnySetValueIntent<bool> action;
  // The label for a state.
  std::function<Label(bool)> valueLabel;

  template <class LabelFunction>
    requires std::convertible_to<std::invoke_result_t<const LabelFunction&, bool>, Label>
  ControlWidgetToggle(fnd::LocalizedStringKey title, bool isOn,
                      intents::AnySetValueIntent<bool> action, LabelFunction valueLabel)
      : title(std::move(title)),
        isOn(isOn),
        action(std::move(action)),
        valueLabel(std::move(valueLabel)) {}

  // The label the toggle shows now.
  Label currentValueLabel() const { return valueLabel(isOn); }
};

struct ControlWidgetButton {
  // Performed by the platform on a press.
  intents::AnyAppIntent action;
  Label label;

  template <class LabelFunction>
    requires std::convertible_to<std::invoke_result_t<const LabelFunction&>, Label>
  ControlWidgetButton(intents::AnyAppIntent action, const LabelFunction& label)
      : action(std::move(action)), label(label()) {}
};

using ControlTemplate = std::variant<ControlWidgetToggle, ControlWidgetButton>;

// "toggle" or "button".
inline std::string_view templateName(const ControlTemplate& t) {
  return std::holds_alternative<ControlWidgetToggle>(t) ? "toggle" : "button";
}

}  // namespace wk
