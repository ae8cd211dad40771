// The charge projected between two snapshots, and the comparison the writer uses to decide
// whether a new snapshot is worth writing.
#include <algorithm>
#include <cmath>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace pellora {

namespace {

// A rounded value as an integer, when it is finite and within the signed 64-bit range.
std::optional<std::int64_t> wholeNumber(double rounded) {
  if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) return std::nullopt;
  return static_cast<std::int64_t>(rounded);
}

}  // namespace

std::int64_t WidgetSnapshot::projectedPercent(Date at) const {
  if (!minutesLeft || *minutesLeft < 1) return percent;
  const double elapsedMinutes = (secondsSince1970(at) - secondsSince1970(updated)) / 60.0;
  const auto minutes = static_cast<double>(*minutesLeft);

  switch (mode) {
    case Mode::charging: {
      // Where a value leaves the 64-bit range, the charge has reached the bound it moves to.
      std::int64_t span = 0;
      if (__builtin_sub_overflow(limit, percent, &span)) return limit;
      const double fraction = std::min(elapsedMinutes / minutes, 1.0);
      const auto step = wholeNumber(std::round(fraction * static_cast<double>(span)));
      if (!step) return limit;
      std::int64_t sum = 0;
      if (__builtin_add_overflow(percent, *step, &sum)) return limit;
      return std::min(sum, limit);
    }
    case Mode::onBattery: {
      const auto value = wholeNumber(std::round((1.0 - elapsedMinutes / minutes) * static_cast<double>(percent)));
      if (!value) return 0;
      return std::max<std::int64_t>(*value, 0);
    }
    case Mode::held:
    case Mode::full:
    case Mode::sailing:
      return percent;
  }
  return percent;
}

bool WidgetSnapshot::sameContent(const WidgetSnapshot& as) const {
  WidgetSnapshot a = *this;
  WidgetSnapshot b = as;
  for (WidgetSnapshot* s : {&a, &b}) {
    s->updated = Date{Seconds{-62135596800.0}};  // one instant for both: year 1
    s->history.reset();
    s->adapterWatts.reset();
    for (App& app : s->topApps) app.watts = std::round(app.watts * 2) * 0.5;
    if (s->temperature) s->temperature = std::round(*s->temperature);
  }
  if (a.watts && b.watts && std::fabs(*a.watts - *b.watts) < 1.0) {
    a.watts.reset();
    b.watts.reset();
  }
  return a == b;
}

}  // namespace pellora
