#include <cmath>

#include <gtest/gtest.h>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace {

using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;

WidgetSnapshot base() {
  return {.updated = pellora::dateFromSeconds(1765238400), .percent = 72, .mode = Mode::onBattery,
          .status = "On battery", .limit = 80, .topApps = {{.name = "Safari", .watts = 1.8}}};
}

TEST(Mode, ConvertsToAndFromItsTextForm) {
  const std::pair<Mode, const char*> table[] = {{Mode::charging, "charging"}, {Mode::onBattery, "onBattery"},
                                               {Mode::held, "held"}, {Mode::full, "full"}, {Mode::sailing, "sailing"}};
  for (const auto& [mode, text] : table) {
    EXPECT_EQ(pellora::toString(mode), text);
    EXPECT_EQ(pellora::modeFromString(text), mode);
  }
  for (const char* bad : {"Charging", "onbattery", "", " full", "HELD", "sailing "}) {
    EXPECT_FALSE(pellora::modeFromString(bad).has_value()) << bad;
  }
}

TEST(Equality, EachFieldCounts) {
  using Change = void (*)(WidgetSnapshot&);
  const std::pair<const char*, Change> changes[] = {
      {"updated", [](WidgetSnapshot& s) { s.updated += pellora::Seconds{0.001}; }},
      {"percent", [](WidgetSnapshot& s) { s.percent = 71; }},
      {"mode", [](WidgetSnapshot& s) { s.mode = Mode::charging; }},
      {"status", [](WidgetSnapshot& s) { s.status = "On Battery"; }},
      {"minutesLeft present", [](WidgetSnapshot& s) { s.minutesLeft = 0; }},
      {"watts present", [](WidgetSnapshot& s) { s.watts = 0.0; }},
      {"limit", [](WidgetSnapshot& s) { s.limit = 100; }},
      {"topApps count", [](WidgetSnapshot& s) { s.topApps.push_back({.name = "Mail", .watts = 0.3}); }},
      {"app order", [](WidgetSnapshot& s) { s.topApps.insert(s.topApps.begin(), {.name = "Mail", .watts = 0.3}); }},
      {"app watts", [](WidgetSnapshot& s) { s.topApps[0].watts = 1.81; }},
      {"app icon presence", [](WidgetSnapshot& s) { s.topApps[0].icon = ""; }},
      {"health", [](WidgetSnapshot& s) { s.health = 0.94; }},
      {"cycles", [](WidgetSnapshot& s) { s.cycles = 1; }},
      {"temperature", [](WidgetSnapshot& s) { s.temperature = 31; }},
      {"adapterWatts", [](WidgetSnapshot& s) { s.adapterWatts = 96; }},
      {"insight present", [](WidgetSnapshot& s) { s.insight = ""; }},
      {"history empty vs absent", [](WidgetSnapshot& s) { s.history.emplace(); }},
  };
  for (const auto& [name, change] : changes) {
    WidgetSnapshot changed = base();
    change(changed);
    EXPECT_FALSE(changed == base()) << name;
    EXPECT_TRUE(changed == changed) << name;
  }
  EXPECT_TRUE(base() == base());
}

TEST(Equality, TextsCompareByCanonicalEquivalence) {
  WidgetSnapshot composed = base();
  WidgetSnapshot decomposed = base();
  composed.status = "Caf\u00E9";         // é as one code point
  decomposed.status = "Cafe\u0301";      // e + combining acute accent
  EXPECT_TRUE(composed == decomposed);
  composed.topApps[0].name = "\u00C5rhus";
  decomposed.topApps[0].name = "A\u030Arhus";
  composed.insight = "\u1E9B\u0323";
  decomposed.insight = "\u017F\u0323\u0307";
  EXPECT_TRUE(composed == decomposed);
  decomposed.status = "Cafe";
  EXPECT_FALSE(composed == decomposed);
}

TEST(Equality, InvalidUTF8IsEqualOnlyByteForByte) {
  EXPECT_TRUE(pellora::canonicallyEqual("\xff\xfe", "\xff\xfe"));
  EXPECT_FALSE(pellora::canonicallyEqual("\xff", "\xfe"));
  EXPECT_FALSE(pellora::canonicallyEqual(std::string_view("a\0b", 3), std::string_view("a\0c", 3)));
}

TEST(Equality, NotANumberNeverEqual) {
  WidgetSnapshot a = base();
  a.watts = std::nan("");
  EXPECT_FALSE(a == a);
  WidgetSnapshot b = base();
  b.topApps[0].watts = std::nan("");
  EXPECT_FALSE(b == b);
}

}  // namespace
