#pragma once
// Every word and symbol name that describes the charging state, derived from a snapshot. Pure
// functions: no clock, no file, no locale. Results are plain English text, not localization
// keys; numbers are plain decimal with a period as the decimal separator.
#include <cstdint>
#include <optional>
#include <string>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace pellora {

// The symbol name for the mode; on battery, the level symbol of the snapshot's own percent
// (not an entry's projected one), so the symbol stays put between two snapshots.
std::string symbol(const WidgetSnapshot& snapshot);
// "Charging", "On battery", "Held at 80%" or "Not charging", "Charged", "Paused at limit".
std::string modeTitle(const WidgetSnapshot& snapshot);
// Time to the limit, time left, or the power source: "80% in 1h 35m", "5h 20m left", …
std::string timeLine(const WidgetSnapshot& snapshot);
// "45m" below an hour, "1h 35m" from an hour on.
std::string duration(std::int64_t minutes);
// "—" when absent, "4.3 W" below 10, "42 W" from 10 on (and for NaN).
std::string watts(std::optional<double> watts);

}  // namespace pellora
