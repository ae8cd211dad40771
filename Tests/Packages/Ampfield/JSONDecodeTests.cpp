#include <string>

#include <gtest/gtest.h>

#include "PelloraShared/SnapshotJSON.hpp"

namespace {

using pellora::decodeSnapshot;

// A minimal valid object; cases splice their keys in front of these.
const std::string required =
    R"("updated":1765238400,"percent":72,"mode":"onBattery","status":"s","limit":80,"topApps":[])";

std::string withKeys(const std::string& keys) { return "{" + keys + (keys.empty() ? "" : ",") + required + "}"; }

struct Refused {
  const char* name;
  std::string json;
  const char* reason;  // the whole reason a person reads
};

TEST(Decode, RefusesWithTheFirstReason) {
  const Refused cases[] = {
      {"fractional percent", R"({"updated":1,"percent":72.5,"mode":"held","status":"s","limit":80,"topApps":[]})",
       R"("percent" must be a whole number, got 72.5)"},
      {"mode of another case", R"({"updated":1,"percent":72,"mode":"Charging","status":"s","limit":80,"topApps":[]})",
       R"("mode" must be one of charging, onBattery, held, full, sailing, got "Charging")"},
      {"mode another word", R"({"updated":1,"percent":72,"mode":"plugged","status":"s","limit":80,"topApps":[]})",
       R"("mode" must be one of charging, onBattery, held, full, sailing, got "plugged")"},
      {"no topApps", R"({"updated":1,"percent":72,"mode":"held","status":"s","limit":80})",
       R"(missing required key "topApps")"},
      {"app without watts",
       R"({"updated":1,"percent":72,"mode":"held","status":"s","limit":80,"topApps":[{"name":"a","watts":1},{"name":"b","watts":1},{"name":"c"}]})",
       R"(topApps[2]: missing required key "watts")"},
      {"point with fractional p",
       R"({"updated":1,"percent":72,"mode":"held","status":"s","limit":80,"topApps":[],"history":[{"t":1,"p":1.5}]})",
       R"(history[0]: "p" must be a whole number, got 1.5)"},
      {"required null", R"({"updated":1,"percent":null,"mode":"held","status":"s","limit":80,"topApps":[]})",
       R"("percent" must be a whole number, got null)"},
      {"status a number", R"({"updated":1,"percent":1,"mode":"held","status":5,"limit":80,"topApps":[]})",
       R"("status" must be a string, got 5)"},
      {"topApps an object", R"({"updated":1,"percent":1,"mode":"held","status":"s","limit":80,"topApps":{}})",
       R"("topApps" must be an array, got an object)"},
      {"updated a string", R"({"updated":"today","percent":1,"mode":"held","status":"s","limit":80,"topApps":[]})",
       R"("updated" must be a number, got a string)"},
      {"integer beyond 64 bits", withKeys(R"("cycles":9223372036854775808)"),
       R"("cycles" must be a whole number within the signed 64-bit range, got 9223372036854775808)"},
      {"integer beyond 64 bits as a double", withKeys(R"("cycles":1e19)"),
       R"("cycles" must be a whole number within the signed 64-bit range, got 1e+19)"},
      {"2^63 as a double", withKeys(R"("minutesLeft":9.223372036854775808e18)"),
       R"("minutesLeft" must be a whole number within the signed 64-bit range, got 9223372036854775808)"},
      {"optional of wrong type", withKeys(R"("insight":false)"), R"("insight" must be a string, got a boolean)"},
      {"history not an array", withKeys(R"("history":{"t":1})"), R"("history" must be an array, got an object)"},
      {"app not an object", R"({"updated":1,"percent":1,"mode":"held","status":"s","limit":80,"topApps":[3]})",
       "topApps[0]: must be a JSON object, got a number"},
      {"not an object", "[1,2]", "the snapshot must be a JSON object, got an array"},
      {"empty", "", "empty file"},
      {"syntax", R"({"updated":1,,"percent":2})", "not JSON: unexpected character at byte 13"},
      {"truncated", R"({"updated":1,"percent":2)", "not JSON: unexpected end of input"},
      {"huge number", withKeys(R"("watts":1e400)"), "not JSON: a number is out of range"},
      {"invalid UTF-8", "{\"status\":\"\xff\"}", "not JSON: invalid UTF-8 in the string at byte 10"},
      {"NUL byte", std::string("{\"a\":1}\0", 8), "not JSON: unexpected NUL byte at byte 7"},
      {"deep nesting", std::string(5000, '[') + std::string(5000, ']'), "not JSON: nested more than 1024 levels deep"},
  };
  for (const auto& c : cases) {
    const auto result = decodeSnapshot(c.json);
    EXPECT_FALSE(result.snapshot.has_value()) << c.name;
    EXPECT_EQ(result.error, c.reason) << c.name;
  }
}

TEST(Decode, IntegerFieldsAcceptWholeNumbersInAnyNotation) {
  const std::pair<const char*, std::int64_t> table[] = {
      {"72", 72}, {"72.0", 72}, {"1e2", 100}, {"-5", -5}, {"-0", 0}, {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN}, {"7.2e1", 72},
  };
  for (const auto& [text, value] : table) {
    const auto r = decodeSnapshot(R"({"updated":1,"percent":)" + std::string(text) +
                                  R"(,"mode":"held","status":"s","limit":80,"topApps":[]})");
    ASSERT_TRUE(r.snapshot.has_value()) << text << ": " << r.error;
    EXPECT_EQ(r.snapshot->percent, value) << text;
  }
}

TEST(Decode, NullAndMissingOptionalsAreAbsent) {
  const auto missing = decodeSnapshot(withKeys(""));
  const auto nulls = decodeSnapshot(withKeys(
      R"("minutesLeft":null,"watts":null,"health":null,"cycles":null,"temperature":null,"adapterWatts":null,"insight":null,"history":null)"));
  ASSERT_TRUE(missing.snapshot && nulls.snapshot) << nulls.error;
  EXPECT_TRUE(*missing.snapshot == *nulls.snapshot);
  EXPECT_FALSE(nulls.snapshot->minutesLeft || nulls.snapshot->watts || nulls.snapshot->history);
}

TEST(Decode, ReadsEveryFieldAndIgnoresUnknownKeys) {
  const auto r = decodeSnapshot(
      R"({"extra":{"deep":[1,2]},"history":[{"t":10.5,"p":3,"x":true}],"insight":"tip","adapterWatts":96,)"
      R"("temperature":31.5,"cycles":212,"health":0.94,"topApps":[{"name":"Safari","watts":6,"icon":"s.png","y":null},{"name":"Mail","watts":0.3}],)"
      R"("limit":80,"watts":6,"minutesLeft":320,"status":"On battery \u00b7 x","mode":"sailing","percent":72,"updated":1765238400.25})");
  ASSERT_TRUE(r.snapshot) << r.error;
  const auto& s = *r.snapshot;
  EXPECT_EQ(pellora::secondsSince1970(s.updated), 1765238400.25);
  EXPECT_EQ(s.mode, pellora::WidgetSnapshot::Mode::sailing);
  EXPECT_EQ(s.status, "On battery \u00B7 x");
  EXPECT_EQ(s.minutesLeft, 320);
  EXPECT_EQ(s.watts, 6.0);
  ASSERT_EQ(s.topApps.size(), 2u);
  EXPECT_EQ(s.topApps[0].icon, "s.png");
  EXPECT_FALSE(s.topApps[1].icon);
  EXPECT_EQ(s.health, 0.94);
  EXPECT_EQ(s.cycles, 212);
  EXPECT_EQ(s.temperature, 31.5);
  EXPECT_EQ(s.adapterWatts, 96);
  EXPECT_EQ(s.insight, "tip");
  ASSERT_TRUE(s.history && s.history->size() == 1);
  EXPECT_EQ(pellora::secondsSince1970((*s.history)[0].t), 10.5);
  EXPECT_EQ((*s.history)[0].p, 3);
}

TEST(Decode, DuplicateKeysTakeTheFirst) {
  const auto r = decodeSnapshot(R"({"percent":1,"percent":2,"updated":1,"mode":"held","status":"s","limit":80,"topApps":[]})");
  ASSERT_TRUE(r.snapshot);
  EXPECT_EQ(r.snapshot->percent, 1);
}

}  // namespace
