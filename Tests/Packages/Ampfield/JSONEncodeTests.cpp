#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "PelloraShared/SnapshotJSON.hpp"

namespace {

using pellora::WidgetSnapshot;

TEST(Encode, PlaceholderWithThreePointsIsTheDocumentedFile) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.updated = pellora::dateFromSeconds(1765238400);
  const auto& h = *s.history;
  s.history = std::vector<WidgetSnapshot::Point>{{pellora::dateFromSeconds(1765234800), h[45].p},
                                                 {pellora::dateFromSeconds(1765236600), h[46].p},
                                                 {pellora::dateFromSeconds(1765238400), h[47].p}};
  EXPECT_EQ(pellora::encodeSnapshot(s),
            "{\"updated\":1765238400,\"percent\":72,\"mode\":\"onBattery\","
            "\"status\":\"On battery \u00B7 5 h 20 m left\",\"minutesLeft\":320,\"watts\":6.4,\"limit\":80,"
            "\"topApps\":[{\"name\":\"Safari\",\"watts\":1.8},{\"name\":\"Xcode\",\"watts\":1.1},{\"name\":\"Mail\",\"watts\":0.3}],"
            "\"health\":0.94,\"cycles\":212,\"temperature\":31,"
            "\"insight\":\"Safari is using a lot of power\","
            "\"history\":[{\"t\":1765234800,\"p\":73},{\"t\":1765236600,\"p\":72},{\"t\":1765238400,\"p\":72}]}");
}

TEST(Encode, AbsentOptionalsAreLeftOutAndRoundTrip) {
  const WidgetSnapshot s{.updated = pellora::dateFromSeconds(1765238400), .percent = 5, .mode = WidgetSnapshot::Mode::full,
                         .status = "tab\there \"quoted\" \\ \x01", .limit = 100, .topApps = {}};
  const std::string json = pellora::encodeSnapshot(s);
  EXPECT_EQ(json, R"({"updated":1765238400,"percent":5,"mode":"full","status":"tab\there \"quoted\" \\ \u0001","limit":100,"topApps":[]})");
  const auto back = pellora::decodeSnapshot(json);
  ASSERT_TRUE(back.snapshot) << back.error;
  EXPECT_TRUE(*back.snapshot == s);
}

TEST(Encode, RoundTripKeepsEveryValue) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.updated = pellora::dateFromSeconds(1765238400.123456789);
  s.topApps[1].icon = "xcode.png";
  s.adapterWatts = 96.5;
  s.percent = INT64_MIN;
  s.limit = INT64_MAX;
  s.watts = 1e-300;
  s.health = 5e20;
  s.history = std::vector<WidgetSnapshot::Point>{};
  const auto back = pellora::decodeSnapshot(pellora::encodeSnapshot(s));
  ASSERT_TRUE(back.snapshot) << back.error;
  EXPECT_TRUE(*back.snapshot == s);
  EXPECT_TRUE(back.snapshot->history && back.snapshot->history->empty());
}

TEST(Encode, RefusesValuesJSONCannotCarry) {
  using Change = void (*)(WidgetSnapshot&);
  const Change changes[] = {
      [](WidgetSnapshot& s) { s.watts = std::nan(""); },
      [](WidgetSnapshot& s) { s.health = std::numeric_limits<double>::infinity(); },
      [](WidgetSnapshot& s) { s.temperature = -std::numeric_limits<double>::infinity(); },
      [](WidgetSnapshot& s) { s.topApps[0].watts = std::nan(""); },
      [](WidgetSnapshot& s) { s.updated = pellora::dateFromSeconds(std::nan("")); },
      [](WidgetSnapshot& s) { (*s.history)[3].t = pellora::dateFromSeconds(INFINITY); },
      [](WidgetSnapshot& s) { s.status = "\xff broken"; },
      [](WidgetSnapshot& s) { s.topApps[0].icon = "\xc3"; },
  };
  for (const Change change : changes) {
    WidgetSnapshot s = WidgetSnapshot::placeholder();
    change(s);
    EXPECT_THROW(pellora::encodeSnapshot(s), pellora::EncodingError);
  }
}

}  // namespace
