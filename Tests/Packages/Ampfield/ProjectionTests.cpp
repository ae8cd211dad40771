#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace {

using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;
constexpr double t0 = 1765238400;

WidgetSnapshot snapshot(Mode mode, std::int64_t percent, std::int64_t limit, std::optional<std::int64_t> minutes) {
  return {.updated = pellora::dateFromSeconds(t0), .percent = percent, .mode = mode, .status = "",
          .minutesLeft = minutes, .limit = limit, .topApps = {}};
}

struct Case {
  const char* name;
  WidgetSnapshot s;
  double minutesAfter;
  std::int64_t expected;
};

TEST(ProjectedPercent, Table) {
  const Case cases[] = {
      {"no estimate", snapshot(Mode::charging, 50, 80, std::nullopt), 30, 50},
      {"estimate 0", snapshot(Mode::onBattery, 50, 80, 0), 30, 50},
      {"negative estimate", snapshot(Mode::charging, 50, 80, -5), 30, 50},
      {"charging at start", snapshot(Mode::charging, 50, 80, 60), 0, 50},
      {"charging halfway", snapshot(Mode::charging, 50, 80, 60), 30, 65},
      {"charging at the end", snapshot(Mode::charging, 50, 80, 60), 60, 80},
      {"charging past the end", snapshot(Mode::charging, 50, 80, 60), 90, 80},
      {"half rounds away from zero", snapshot(Mode::charging, 50, 75, 60), 30, 63},
      {"above the limit already", snapshot(Mode::charging, 90, 80, 60), 0, 80},
      {"backward while charging", snapshot(Mode::charging, 50, 80, 60), -30, 35},
      {"negative half away from zero", snapshot(Mode::charging, 50, 75, 60), -30, 37},
      {"battery at start", snapshot(Mode::onBattery, 72, 80, 320), 0, 72},
      {"battery halfway", snapshot(Mode::onBattery, 72, 80, 320), 160, 36},
      {"battery at the end", snapshot(Mode::onBattery, 72, 80, 320), 320, 0},
      {"battery past the end", snapshot(Mode::onBattery, 72, 80, 320), 400, 0},
      {"battery backward rises", snapshot(Mode::onBattery, 72, 80, 320), -160, 108},
      {"held", snapshot(Mode::held, 80, 80, 60), 500, 80},
      {"full", snapshot(Mode::full, 100, 100, 60), 500, 100},
      {"sailing", snapshot(Mode::sailing, 78, 80, 60), -500, 78},
      // Values beyond the 64-bit range end at the bound the mode approaches.
      {"span overflows", snapshot(Mode::charging, INT64_MIN, INT64_MAX, 60), 30, INT64_MAX},
      {"sum overflows", snapshot(Mode::charging, INT64_MIN + 10, 0, 1), -1, 0},
      {"step too large", snapshot(Mode::charging, 0, INT64_MAX, 1), -1e300, INT64_MAX},
      {"battery value too large", snapshot(Mode::onBattery, INT64_MAX, 80, 1), -1e30, 0},
      {"battery far future", snapshot(Mode::onBattery, 50, 80, 1), 1e300, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.s.projectedPercent(pellora::dateFromSeconds(t0 + c.minutesAfter * 60)), c.expected) << c.name;
  }
}

TEST(ProjectedPercent, NonFiniteTimesStopAtTheBound) {
  const double bad[] = {std::nan(""), INFINITY, -INFINITY};
  for (double t : bad) {
    EXPECT_EQ(snapshot(Mode::charging, 50, 80, 60).projectedPercent(pellora::dateFromSeconds(t)), 80) << t;
    EXPECT_EQ(snapshot(Mode::onBattery, 50, 80, 60).projectedPercent(pellora::dateFromSeconds(t)), 0) << t;
  }
}

}  // namespace
