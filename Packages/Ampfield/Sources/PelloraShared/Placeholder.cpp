// The built-in snapshot for previews and placeholders: a plausible day on battery.
#include <algorithm>

#include "PelloraShared/Clock.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

namespace pellora {

namespace {

// The day drawn: a long rest at 80 %, a fall to 65 %, a recharge to 79 %, then a slow fall.
std::int64_t historyPercent(double hoursBefore) {
  const double h = hoursBefore;
  double p = 0;
  if (h > 14) {
    p = 80;
  } else if (h > 9) {
    p = (14 - h) * -3 + 80;
  } else if (h > 7) {
    p = (9 - h) * 7 + 65;
  } else {
    p = (h - 7) + 79;
  }
  return std::clamp<std::int64_t>(static_cast<std::int64_t>(p), 5, 100);
}

WidgetSnapshot build(Date now) {
  std::vector<WidgetSnapshot::Point> history;
  history.reserve(48);
  for (int i = 0; i < 48; ++i) {
    const double hoursBefore = (47 - i) / 2.0;
    history.push_back({.t = now - Seconds{hoursBefore * 3600}, .p = historyPercent(hoursBefore)});
  }
  return {
      .updated = now,
      .percent = 72,
      .mode = WidgetSnapshot::Mode::onBattery,
      .status = "On battery \u00B7 5 h 20 m left",
      .minutesLeft = 320,
      .watts = 6.4,
      .limit = 80,
      .topApps = {{.name = "Safari", .watts = 1.8}, {.name = "Xcode", .watts = 1.1}, {.name = "Mail", .watts = 0.3}},
      .health = 0.94,
      .cycles = 212,
      .temperature = 31.0,
      .adapterWatts = std::nullopt,
      .insight = "Safari is using a lot of power",
      .history = std::move(history),
  };
}

}  // namespace

WidgetSnapshot WidgetSnapshot::placeholder() {
  // Built at the first call, exactly once even when threads race to it.
  static const WidgetSnapshot value = build(currentDate());
  return value;
}

}  // namespace pellora
