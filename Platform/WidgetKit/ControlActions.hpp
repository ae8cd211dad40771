#pragma once
// What the platform does when the user works a control: it runs the control's intent (off the
// calling thread) and yields the URL that the intent asks to open, for the URL opener.
#include <future>
#include <optional>

#include "Platform/Foundation/URL.hpp"
#include "Platform/WidgetKit/ControlTemplate.hpp"

namespace wk {

// Flipping a toggle to `newState`: the state is written into a copy of the toggle's action,
// which is then performed.
std::future<std::optional<fnd::URL>> flip(const ControlWidgetToggle& toggle, bool newState);
// Pressing a button: its action is performed.
std::future<std::optional<fnd::URL>> press(const ControlWidgetButton& button);

}  // namespace wk
