#pragma once
// ISO 8601 times in the extended form with a zone, as people type them and as logs show them.
#include <optional>
#include <string>
#include <string_view>

#include "Platform/Foundation/Date.hpp"

namespace fnd {

// "2025-12-09T10:00:00Z", "2025-12-09T11:00:00+01:00", "2025-12-09T10:00:00.5-0300",
// "2025-12-09T10:00Z". A zone (Z, ±HH:MM, ±HHMM or ±HH) is required; fields are range-checked
// (day within its month, leap years included). No value for anything else.
std::optional<Date> parseISO8601(std::string_view text);

// UTC with seconds, "2025-12-09T10:00:00Z"; milliseconds are added when the time has a
// fraction of at least half a millisecond ("2025-12-09T10:00:00.250Z").
std::string formatISO8601(Date date);

}  // namespace fnd
