#pragma once
// The shared module's notion of "now", used when the placeholder is built. By default the
// system clock; a host that simulates time puts its own clock in place.
#include <functional>

#include "PelloraShared/Date.hpp"

namespace pellora {

using ClockSource = std::function<Date()>;

// Puts `source` in place of the system clock; an empty function restores the system clock.
void setClockSource(ClockSource source);
Date currentDate();

}  // namespace pellora
