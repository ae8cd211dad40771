#include <gtest/gtest.h>

#include "App/Widget/Views/Tint.hpp"

namespace {

using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;
using ui::Color;

TEST(Tint, ByModeAndChargeWithStrictThresholds) {
  struct Case {
    Mode mode;
    std::int64_t percent;
    Color label;
    Color bar;
  };
  const Case cases[] = {
      {Mode::charging, 5, Color::green(), Color::green()},   {Mode::full, 100, Color::green(), Color::green()},
      {Mode::held, 3, Color::blue(), Color::blue()},         {Mode::sailing, 80, Color::blue(), Color::blue()},
      {Mode::onBattery, 100, Color::secondary(), Color::primary()},
      {Mode::onBattery, 21, Color::secondary(), Color::primary()},
      {Mode::onBattery, 20, Color::orange(), Color::orange()}, {Mode::onBattery, 11, Color::orange(), Color::orange()},
      {Mode::onBattery, 10, Color::red(), Color::red()},     {Mode::onBattery, 0, Color::red(), Color::red()},
      {Mode::onBattery, -4, Color::red(), Color::red()},
  };
  for (const auto& c : cases) {
    WidgetSnapshot s = WidgetSnapshot::placeholder();
    s.mode = c.mode;
    s.percent = c.percent;
    EXPECT_EQ(pellora::modeLabelColor(s), c.label) << pellora::toString(c.mode) << " " << c.percent;
    EXPECT_EQ(pellora::barTint(s), c.bar) << pellora::toString(c.mode) << " " << c.percent;
  }
}

}  // namespace
