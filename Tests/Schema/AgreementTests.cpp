// The schema and the widget's decoder must agree on every file: both accept it or both refuse it.
// Each table runs the real validator once over all of its cases and the decoder on each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PelloraShared/SnapshotJSON.hpp"
#include "Tests/Schema/SchemaValidator.hpp"
#include "Tests/Schema/SnapshotText.hpp"

namespace {

using schematest::array;
using schematest::fullApp;
using schematest::fullSnapshot;
using schematest::minimalSnapshot;
using schematest::samplePoint;

constexpr bool accepted = true;
constexpr bool refused = false;

struct Case {
  std::string name;
  std::string json;
  bool verdict;  // what both the decoder and the schema must say
};

void expectBothSay(const std::vector<Case>& cases) {
  std::vector<std::string> texts;
  for (const Case& c : cases) texts.push_back(c.json);
  const auto verdicts = schematest::validateTexts(texts);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    const auto decoded = pellora::decodeSnapshot(c.json);
    const char* expected = c.verdict ? "accept" : "refuse";
    EXPECT_EQ(decoded.snapshot.has_value(), c.verdict)
        << c.name << ": the decoder should " << expected << " " << c.json
        << "\n  decoder: " << decoded.error;
    EXPECT_EQ(verdicts[i].valid, c.verdict) << c.name << ": the schema should " << expected << " "
                                            << c.json << "\n  validator: " << verdicts[i].reason;
  }
}

std::string withApp(const schematest::JSONObject& app) {
  return fullSnapshot().with("topApps", array({app.text()})).text();
}
std::string withPoint(const schematest::JSONObject& point) {
  return fullSnapshot().with("history", array({point.text()})).text();
}
std::string minimalWith(std::string_view key, std::string raw) {
  return minimalSnapshot().with(key, std::move(raw)).text();
}

TEST(SnapshotSchema, AgreesWithTheDecoderOnHandPickedFiles) {
  const std::string minimal = minimalSnapshot().text();
  const std::string full = fullSnapshot().text();
  const std::vector<Case> cases = {
      // Presence.
      {"only the required keys", minimal, accepted},
      {"every key present", full, accepted},
      {"every optional null",
       minimalSnapshot()
           .with("minutesLeft", "null")
           .with("watts", "null")
           .with("health", "null")
           .with("cycles", "null")
           .with("temperature", "null")
           .with("adapterWatts", "null")
           .with("insight", "null")
           .with("history", "null")
           .text(),
       accepted},
      {"icon null", withApp(fullApp().with("icon", "null")), accepted},
      {"topApps empty", minimal, accepted},
      {"history empty", minimalWith("history", "[]"), accepted},

      // Whole numbers.
      {"percent 72.0", minimalWith("percent", "72.0"), accepted},
      {"limit 1e2", minimalWith("limit", "1e2"), accepted},
      {"cycles 1E2", minimalWith("cycles", "1E2"), accepted},
      {"p 72.0", withPoint(samplePoint().with("p", "72.0")), accepted},
      {"minutesLeft 2.5e1", minimalWith("minutesLeft", "2.5e1"), accepted},
      {"minutesLeft -0.0", minimalWith("minutesLeft", "-0.0"), accepted},
      {"percent 72.5", minimalWith("percent", "72.5"), refused},
      {"cycles 1e-1", minimalWith("cycles", "1e-1"), refused},
      {"p 1.5", withPoint(samplePoint().with("p", "1.5")), refused},
      {"percent 9223372036854775807", minimalWith("percent", "9223372036854775807"), accepted},
      {"percent -9223372036854775808", minimalWith("percent", "-9223372036854775808"), accepted},
      {"percent 9223372036854775808", minimalWith("percent", "9223372036854775808"), refused},
      {"limit 18446744073709551616", minimalWith("limit", "18446744073709551616"), refused},
      {"percent -9223372036854775809", minimalWith("percent", "-9223372036854775809"), refused},
      // As a 64-bit float 9223372036854775807.0 is 2^63, one past the largest; -2^63 itself fits.
      {"cycles 9223372036854775807.0", minimalWith("cycles", "9223372036854775807.0"), refused},
      {"cycles -9223372036854775808.0", minimalWith("cycles", "-9223372036854775808.0"), accepted},
      {"minutesLeft 1e19", minimalWith("minutesLeft", "1e19"), refused},
      {"percent beyond 100", minimalWith("percent", "150"), accepted},
      {"percent below 0", minimalWith("percent", "-5"), accepted},
      {"limit 100", minimalWith("limit", "100"), accepted},

      // Other numbers.
      {"app watts whole", withApp(fullApp().with("watts", "2")), accepted},
      {"updated before 1970", minimalWith("updated", "-86400.25"), accepted},
      {"updated the largest float", minimalWith("updated", "1.7976931348623157e308"), accepted},
      {"health 1e400", minimalWith("health", "1e400"), refused},
      {"temperature -1e400", minimalWith("temperature", "-1e400"), refused},
      {"t 1e400", withPoint(samplePoint().with("t", "1e400")), refused},
      {"watts below the smallest float", minimalWith("watts", "1e-400"), accepted},

      // Mode.
      {"mode charging", minimalWith("mode", R"("charging")"), accepted},
      {"mode held", minimalWith("mode", R"("held")"), accepted},
      {"mode full", minimalWith("mode", R"("full")"), accepted},
      {"mode sailing", minimalWith("mode", R"("sailing")"), accepted},
      {"mode written with an escape", minimalWith("mode", R"("\u0068eld")"), accepted},
      {"mode Charging", minimalWith("mode", R"("Charging")"), refused},
      {"mode empty", minimalWith("mode", R"("")"), refused},
      {"mode onbattery", minimalWith("mode", R"("onbattery")"), refused},
      {"mode with a space", minimalWith("mode", R"(" held")"), refused},
      {"mode another word", minimalWith("mode", R"("plugged")"), refused},

      // Texts.
      {"status with an escaped middle dot", minimalWith("status", R"("On battery \u00b7 5 h")"),
       accepted},
      {"status with a surrogate pair", minimalWith("status", R"("\ud83d\udd0b")"), accepted},
      {"status with an escaped NUL", minimalWith("status", R"("a\u0000b")"), accepted},
      {"status empty", minimalWith("status", R"("")"), accepted},

      // Unknown keys, at every level, whatever they hold.
      {"extra key at the top", minimalWith("extra", "1"), accepted},
      {"extra key null", minimalWith("extra", "null"), accepted},
      {"extra key nested", minimalWith("extra", R"({"a":[1,"x",{"b":null}]})"), accepted},
      {"key in another letter case", minimalWith("Percent", R"("seventy")"), accepted},
      {"extra key in an app", withApp(fullApp().with("bundle", R"("com.example.safari")")),
       accepted},
      {"extra key in a point", withPoint(samplePoint().with("source", "[]")), accepted},
      {"extra keys at every level",
       fullSnapshot()
           .with("extra", "{}")
           .with("topApps", array({fullApp().with("x", "1").text()}))
           .with("history", array({samplePoint().with("x", "1").text()}))
           .text(),
       accepted},

      // Lists, all or nothing.
      {"an app a number", minimalWith("topApps", "[1]"), refused},
      {"an app null", minimalWith("topApps", "[null]"), refused},
      {"an app a string", minimalWith("topApps", R"(["Safari"])"), refused},
      {"a point a number", minimalWith("history", "[1]"), refused},
      {"a point null", minimalWith("history", "[null]"), refused},
      {"the last of three points bad",
       minimalWith("history", array({samplePoint().text(), samplePoint().text(), R"({"t":1})"})),
       refused},
      {"the second of two apps bad",
       minimalWith("topApps", array({fullApp().text(), R"({"watts":1})"})), refused},

      // Not a snapshot object at all.
      {"empty object", "{}", refused},
      {"an array", "[]", refused},
      {"an array holding the snapshot", "[" + minimal + "]", refused},
      {"a string", R"("snapshot")", refused},
      {"a number", "72", refused},
      {"null", "null", refused},
      {"true", "true", refused},
      {"empty file", "", refused},
      {"only white space", " \n", refused},
      {"white space around", "\n " + minimal + " \n", accepted},
      {"truncated", full.substr(0, full.size() - 1), refused},
      {"two objects", minimal + minimal, refused},
      {"trailing comma", minimal.substr(0, minimal.size() - 1) + ",}", refused},
      {"byte order mark", "\xEF\xBB\xBF" + minimal, refused},
      {"invalid UTF-8", minimalWith("status", "\"\xFF\""), refused},
      {"NaN literal", minimalWith("watts", "NaN"), refused},
      {"Infinity literal", minimalWith("watts", "Infinity"), refused},
  };
  expectBothSay(cases);
}

// Every key of every level, each given a value of every wrong type, null, or left out.
enum class Kind { number, wholeNumber, text, list };

struct Key {
  const char* name;
  Kind kind;
  bool required;
};

std::vector<std::string> wrongValues(Kind kind) {
  switch (kind) {
    case Kind::number:
    case Kind::wholeNumber: return {R"("72")", "true", "[72]", R"({"value":72})"};
    case Kind::text: return {"72", "false", R"(["text"])", R"({"text":"x"})"};
    case Kind::list: return {R"("[]")", "0", "true", "{}"};
  }
  return {};
}

const Key snapshotKeys[] = {
    {"updated", Kind::number, true},
    {"percent", Kind::wholeNumber, true},
    {"mode", Kind::text, true},
    {"status", Kind::text, true},
    {"minutesLeft", Kind::wholeNumber, false},
    {"watts", Kind::number, false},
    {"limit", Kind::wholeNumber, true},
    {"topApps", Kind::list, true},
    {"health", Kind::number, false},
    {"cycles", Kind::wholeNumber, false},
    {"temperature", Kind::number, false},
    {"adapterWatts", Kind::number, false},
    {"insight", Kind::text, false},
    {"history", Kind::list, false},
};
const Key appKeys[] = {
    {"name", Kind::text, true}, {"watts", Kind::number, true}, {"icon", Kind::text, false}};
const Key pointKeys[] = {{"t", Kind::number, true}, {"p", Kind::wholeNumber, true}};

template <std::size_t N, typename Place>
void addKeyCases(std::vector<Case>& cases, const std::string& level,
                 const schematest::JSONObject& base, const Key (&keys)[N], Place place) {
  for (const Key& key : keys) {
    const std::string name = level + " \"" + key.name + "\" ";
    for (const std::string& wrong : wrongValues(key.kind)) {
      cases.push_back({name + wrong, place(base.with(key.name, wrong)), refused});
    }
    cases.push_back(
        {name + "null", place(base.with(key.name, "null")), key.required ? refused : accepted});
    cases.push_back(
        {name + "missing", place(base.without(key.name)), key.required ? refused : accepted});
  }
}

TEST(SnapshotSchema, AgreesWithTheDecoderOnEveryKeyMistyped) {
  std::vector<Case> cases;
  addKeyCases(cases, "snapshot", fullSnapshot(), snapshotKeys,
              [](const schematest::JSONObject& o) { return o.text(); });
  addKeyCases(cases, "app", fullApp(), appKeys, withApp);
  addKeyCases(cases, "point", samplePoint(), pointKeys, withPoint);
  expectBothSay(cases);
}

// Files on which the schema and the decoder knowingly differ, because JSON Schema judges the
// parsed value and cannot see what the widget's parser refuses or resolves otherwise. The
// schema's description tells writers about each. Should one of them start to agree, move it to
// the table above.
struct Difference {
  std::string name;
  std::string json;
  bool decoderAccepts;  // the schema says the opposite
  const char* reason;
};

TEST(SnapshotSchema, DiffersFromTheDecoderOnlyWhereKnown) {
  const std::string base = minimalSnapshot().text();
  const std::string open = base.substr(0, base.size() - 1);
  const std::vector<Difference> differences = {
      {"a duplicate key, the first valid", open + R"(,"percent":"seventy"})", true,
       "the decoder reads the first of duplicate keys; Python's JSON reader keeps the last"},
      {"a duplicate key, the last valid", R"({"percent":"seventy",)" + base.substr(1), false,
       "the decoder reads the first of duplicate keys; Python's JSON reader keeps the last"},
      {"an unpaired surrogate escape", minimalWith("status", R"("\ud800")"), false,
       "the decoder's parser refuses text that is not valid Unicode; Python's reader keeps the "
       "lone surrogate"},
      {"an unknown key beyond the float range", minimalWith("extra", "1e400"), false,
       "the decoder's parser refuses a number that does not fit, wherever it stands; "
       "the schema allows anything under an unknown key"},
      {"an unknown key beyond 64 bits", minimalWith("extra", "18446744073709551616"), false,
       "the decoder's parser refuses an integer beyond 64 bits, wherever it stands; "
       "the schema allows anything under an unknown key"},
  };
  std::vector<std::string> texts;
  for (const Difference& d : differences) texts.push_back(d.json);
  const auto verdicts = schematest::validateTexts(texts);
  for (std::size_t i = 0; i < differences.size(); ++i) {
    const Difference& d = differences[i];
    const auto decoded = pellora::decodeSnapshot(d.json);
    EXPECT_EQ(decoded.snapshot.has_value(), d.decoderAccepts)
        << d.name << " (" << d.reason << "): " << d.json << "\n  decoder: " << decoded.error;
    EXPECT_EQ(verdicts[i].valid, !d.decoderAccepts)
        << d.name << " (" << d.reason << "): " << d.json << "\n  validator: " << verdicts[i].reason;
  }
}

}  // namespace
