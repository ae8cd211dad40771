#include "Platform/WidgetKit/ControlActions.hpp"

#include "Platform/Intents/IntentRunner.hpp"

namespace wk {

std::future<std::optional<fnd::URL>> flip(const ControlWidgetToggle& toggle, bool newState) {
  return intents::run(toggle.action.withValue(newState));
}

std::future<std::optional<fnd::URL>> press(const ControlWidgetButton& button) {
  return intents::run(button.action);
}

}  // namespace wk
