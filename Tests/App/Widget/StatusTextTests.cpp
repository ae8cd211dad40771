#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "App/Widget/StatusTexts.hpp"
#include "WidgetHome.hpp"

namespace {

using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;
using widgettest::WidgetHome;

WidgetSnapshot make(Mode mode, std::int64_t percent, std::optional<std::int64_t> minutesLeft,
                    std::int64_t limit) {
  return WidgetHome::snapshot(mode, percent, minutesLeft, limit);
}

TEST(StatusSymbol, ByModeAndOnBatteryByTheStoredPercent) {
  struct Case {
    Mode mode;
    std::int64_t percent;
    const char* symbol;
  };
  const Case cases[] = {
      {Mode::onBattery, -5, "battery.0percent"},   {Mode::onBattery, 0, "battery.0percent"},
      {Mode::onBattery, 12, "battery.0percent"},   {Mode::onBattery, 13, "battery.25percent"},
      {Mode::onBattery, 37, "battery.25percent"},  {Mode::onBattery, 38, "battery.50percent"},
      {Mode::onBattery, 62, "battery.50percent"},  {Mode::onBattery, 63, "battery.75percent"},
      {Mode::onBattery, 87, "battery.75percent"},  {Mode::onBattery, 88, "battery.100percent"},
      {Mode::onBattery, 140, "battery.100percent"},
      {Mode::charging, 5, "bolt.fill"},            {Mode::charging, 95, "bolt.fill"},
      {Mode::held, 80, "pause.fill"},              {Mode::sailing, 78, "pause.fill"},
      {Mode::full, 100, "checkmark"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(pellora::toString(c.mode)) + " " + std::to_string(c.percent));
    EXPECT_EQ(pellora::symbol(make(c.mode, c.percent, 60, 80)), c.symbol);
  }
}

TEST(StatusModeTitle, ByModeAndHeldByTheLimit) {
  struct Case {
    Mode mode;
    std::int64_t limit;
    const char* title;
  };
  const Case cases[] = {
      {Mode::charging, 80, "Charging"},   {Mode::onBattery, 80, "On battery"},
      {Mode::held, 80, "Held at 80%"},    {Mode::held, 99, "Held at 99%"},
      {Mode::held, 100, "Not charging"},  {Mode::held, 0, "Held at 0%"},
      {Mode::held, -3, "Held at -3%"},    {Mode::full, 80, "Charged"},
      {Mode::sailing, 80, "Paused at limit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    EXPECT_EQ(pellora::modeTitle(make(c.mode, 50, 60, c.limit)), c.title);
  }
}

TEST(StatusTimeLine, ByModeEstimateAndLimit) {
  struct Case {
    Mode mode;
    std::optional<std::int64_t> minutesLeft;
    std::int64_t limit;
    const char* line;
  };
  const Case cases[] = {
      {Mode::charging, 95, 80, "80% in 1h 35m"},
      {Mode::charging, 95, 99, "99% in 1h 35m"},
      {Mode::charging, 90, 100, "Full in 1h 30m"},
      {Mode::charging, 45, 101, "Full in 45m"},
      {Mode::charging, std::nullopt, 80, "Estimating\u2026"},
      {Mode::charging, 0, 80, "80% in 0m"},
      {Mode::onBattery, 320, 80, "5h 20m left"},
      {Mode::onBattery, -4, 80, "-4m left"},
      {Mode::onBattery, std::nullopt, 80, "Estimating\u2026"},
      {Mode::held, std::nullopt, 80, "On power adapter"},
      {Mode::full, 30, 100, "On power adapter"},
      {Mode::sailing, 30, 80, "On power adapter"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(pellora::timeLine(make(c.mode, 50, c.minutesLeft, c.limit)), c.line);
  }
}

TEST(StatusDuration, MinutesBelowAnHourHoursAndMinutesFromAnHourOn) {
  struct Case {
    std::int64_t minutes;
    const char* text;
  };
  const Case cases[] = {
      {0, "0m"},         {45, "45m"},       {59, "59m"},           {60, "1h 0m"},
      {95, "1h 35m"},    {1440, "24h 0m"},  {1565, "26h 5m"},      {-1, "-1m"},
      {-120, "-120m"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(pellora::duration(c.minutes), c.text);
  }
}

TEST(StatusWatts, OneDecimalBelowTenOnTheUnroundedValue) {
  struct Case {
    std::optional<double> watts;
    const char* text;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {std::nullopt, "\u2014"},  {4.26, "4.3 W"},  {0.0, "0.0 W"},  {9.94, "9.9 W"},
      {9.96, "10.0 W"},          {10.0, "10 W"},   {42.4, "42 W"},  {42.5, "42 W"},
      {4.25, "4.2 W"},           {-1.5, "-1.5 W"}, {1234.56, "1235 W"},
      {nan, "nan W"},            {std::numeric_limits<double>::infinity(), "inf W"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(pellora::watts(c.watts), c.text);
  }
}

}  // namespace
