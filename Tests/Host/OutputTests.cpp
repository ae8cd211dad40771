#include <gtest/gtest.h>
#include <simdjson.h>

#include <filesystem>
#include <string>
#include <vector>

#include "PelloraShared/SnapshotJSON.hpp"
#include "ProgramRun.hpp"

namespace {

using hosttest::now;
using pellora::WidgetSnapshot;
namespace dom = simdjson::dom;

class OutputTest : public hosttest::HostTest {
 protected:
  // The program's JSON output, which must be one line.
  dom::element json(std::vector<std::string> args) {
    args.push_back("--json");
    const hosttest::Outcome r = runAtHome(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
    text_ = r.out;
    return parser_.parse(text_);
  }
  static std::vector<std::string> kinds(dom::element items) {
    std::vector<std::string> result;
    for (dom::element item : items.get_array()) {
      result.emplace_back(std::string_view(item["type"]).substr(0, 1));
      result.back() += " " + std::string(std::string_view(item["kind"]));
    }
    return result;
  }
  static WidgetSnapshot decoded(dom::element snapshot) {
    const pellora::DecodeResult r = pellora::decodeSnapshot(simdjson::minify(snapshot));
    if (!r.snapshot) throw std::runtime_error(r.error);
    return *r.snapshot;
  }

  dom::parser parser_;
  std::string text_;
};

TEST_F(OutputTest, TimelineWithoutASnapshot) {
  const dom::element t = json({"timeline"});
  const dom::array entries = t["entries"];
  ASSERT_EQ(entries.size(), 1u);
  const dom::element e = entries.at(0);
  EXPECT_EQ(double(e["date"]), now);
  EXPECT_EQ(int64_t(e["percent"]), 0);
  EXPECT_FALSE(bool(e["snapshot"]));
  EXPECT_EQ(std::string_view(t["reload"]["policy"]), "after");
  EXPECT_EQ(double(t["reload"]["date"]), now + 1800);
}

TEST_F(OutputTest, TimelineWithASnapshot) {
  save(snapshot(72, 80, 160 * 60));  // halfway through 320 minutes on battery
  const dom::element t = json({"timeline"});
  const dom::array entries = t["entries"];
  ASSERT_EQ(entries.size(), 12u);
  const std::int64_t firstPercents[] = {36, 35, 34, 33};
  std::size_t i = 0;
  for (dom::element e : entries) {
    EXPECT_EQ(double(e["date"]), now + 300.0 * static_cast<double>(i));
    EXPECT_TRUE(bool(e["snapshot"]));
    if (i < 4) {
      EXPECT_EQ(int64_t(e["percent"]), firstPercents[i]) << i;
    }
    ++i;
  }
  const dom::object reload = t["reload"];
  EXPECT_EQ(std::string_view(reload["policy"]), "atEnd");
  EXPECT_EQ(reload.size(), 1u);
}

TEST_F(OutputTest, ReadsOnlyWhatTheSandboxGrants) {
  // A snapshot file that links to a good snapshot outside the store's folder is not read.
  const std::filesystem::path outside = scratch() / "elsewhere.json";
  snapshot(72, 80, 0).save(outside);
  const std::filesystem::path file =
      home() + "/Library/Application Support/Pellora/Widget/snapshot.json";
  std::filesystem::create_directories(file.parent_path());
  std::filesystem::create_symlink(outside, file);
  const dom::element t = json({"timeline"});
  EXPECT_EQ(t["entries"].get_array().size(), 1u);
  EXPECT_EQ(bool(json({"controls"})["controls"].at(0)["isOn"]), false);
}

TEST_F(OutputTest, TimelineAsText) {
  save(snapshot(72, 80, 0));
  const hosttest::Outcome r = runAtHome({"timeline"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("2025-12-09T10:00:00Z (1765274400)  72%  snapshot"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("2025-12-09T10:55:00Z (1765277700)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("reload:  atEnd"), std::string::npos) << r.out;
}

TEST_F(OutputTest, GalleryByTheRunningSystem) {
  struct Case {
    const char* osVersion;
    std::vector<std::string> kinds;
  };
  const Case cases[] = {
      {"15.7", {"w app.pellora.widgets.battery"}},
      {"26.0",
       {"w app.pellora.widgets.battery", "c app.pellora.widgets.control.limit",
        "c app.pellora.widgets.control.full", "c app.pellora.widgets.control.open"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.osVersion);
    const dom::element g = json({"--os-version", c.osVersion, "gallery"});
    EXPECT_EQ(kinds(g["items"]), c.kinds);
    const dom::element widget = g["items"].at(0);
    EXPECT_EQ(std::string_view(widget["displayName"]), "Battery");
    EXPECT_EQ(std::string_view(widget["description"]),
              "Charge, time left, what's using power and today's history.");
    std::vector<std::string> families;
    for (dom::element f : widget["families"].get_array()) families.emplace_back(std::string_view(f));
    EXPECT_EQ(families, (std::vector<std::string>{"systemSmall", "systemMedium", "systemLarge"}));
  }
  const dom::element g = json({"gallery"});
  const dom::element limit = g["items"].at(1);
  EXPECT_EQ(std::string_view(limit["displayName"]), "Charge Limit");
  EXPECT_EQ(std::string_view(limit["description"]), "Turn Pellora's charge limit on or off.");
  EXPECT_TRUE(limit["families"].error() == simdjson::NO_SUCH_FIELD);
}

TEST_F(OutputTest, ControlsShowTheToggleStateFromTheSnapshot) {
  struct Case {
    const char* name;
    std::optional<std::int64_t> limit;  // absent: no snapshot
    std::vector<std::string> extra;
    bool isOn;
  };
  const Case cases[] = {
      {"no snapshot", std::nullopt, {}, false},
      {"limit 80", 80, {}, true},
      {"limit 100", 100, {}, false},
      {"limit 100, in preview", 100, {"--in-preview"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.limit) save(snapshot(72, *c.limit, 0));
    std::vector<std::string> args{"controls"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const dom::element doc = json(args);
    const dom::array controls = doc["controls"];
    ASSERT_EQ(controls.size(), 3u);
    const dom::element toggle = controls.at(0);
    EXPECT_EQ(std::string_view(toggle["kind"]), "app.pellora.widgets.control.limit");
    EXPECT_EQ(std::string_view(toggle["template"]), "toggle");
    EXPECT_EQ(std::string_view(toggle["title"]), "Charge Limit");
    EXPECT_EQ(bool(toggle["isOn"]), c.isOn);
    EXPECT_EQ(std::string_view(toggle["label"]["text"]), c.isOn ? "Limit on" : "Limit off");
    EXPECT_EQ(std::string_view(toggle["label"]["symbol"]),
              c.isOn ? "bolt.batteryblock.fill" : "bolt.batteryblock");
    const dom::element full = controls.at(1);
    EXPECT_EQ(std::string_view(full["template"]), "button");
    EXPECT_EQ(std::string_view(full["label"]["text"]), "Charge to 100%");
    EXPECT_EQ(std::string_view(full["label"]["symbol"]), "battery.100percent.bolt");
    EXPECT_EQ(std::string_view(controls.at(2)["label"]["text"]), "Pellora");
  }
  EXPECT_EQ(json({"--os-version", "15.0", "controls"})["controls"].get_array().size(), 0u);
}

TEST_F(OutputTest, PreviewAndPlaceholderEntries) {
  const WidgetSnapshot stored = snapshot(72, 80, 160 * 60);
  save(stored);
  struct Case {
    std::vector<std::string> args;
    bool placeholder;
  };
  const Case cases[] = {
      {{"preview"}, false},
      {{"preview", "--in-preview"}, true},
      {{"placeholder"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const dom::element e = json(c.args);
    EXPECT_EQ(double(e["date"]), now);
    EXPECT_EQ(int64_t(e["percent"]), 72);  // the snapshot's own percent, never projected
    const WidgetSnapshot s = decoded(e["snapshot"]);
    if (c.placeholder) {
      EXPECT_EQ(s.status, "On battery \u00b7 5 h 20 m left");
      EXPECT_EQ(pellora::secondsSince1970(s.updated), now);  // dated by --now
      ASSERT_TRUE(s.history.has_value());
      EXPECT_EQ(s.history->size(), 48u);
    } else {
      EXPECT_EQ(s, stored);
    }
  }
}

TEST_F(OutputTest, TheClockAcceptsSecondsAndZonedTimes) {
  const char* sameMoment[] = {"1765274400", "2025-12-09T10:00:00Z", "2025-12-09T11:00:00+01:00",
                              "2025-12-09T05:00:00-05:00"};
  for (const char* t : sameMoment) {
    SCOPED_TRACE(t);
    const hosttest::Outcome r = hosttest::run({"--home", home(), "--now", t, "placeholder", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"date\":1765274400,", 0), 0u) << r.out;
  }
}

}  // namespace
