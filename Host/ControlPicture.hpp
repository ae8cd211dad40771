#pragma once
// The bundle's controls as tiles of a control surface: which control a name means, and what
// its tile shows, from the control's own template.
#include <optional>
#include <string>
#include <string_view>

#include "Platform/Render/ControlTile.hpp"

namespace host {

// The control names the commands use: limit, full, open.
inline constexpr std::string_view controlNames[] = {"limit", "full", "open"};
// The control's kind for one of those names.
std::string controlKind(std::string_view name);

// The tile of the control that `name` means, as the running system offers it. A toggle shows
// `state` when given, else the state its value provider delivers now, with the value label
// for that state; a button shows its label. Throws std::runtime_error when the system does
// not offer the control.
render::ControlTile controlTile(std::string_view name, std::optional<bool> state);

}  // namespace host
