#include <gtest/gtest.h>
#include <simdjson.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PelloraShared/SnapshotJSON.hpp"
#include "ProgramRun.hpp"

namespace {

namespace fs = std::filesystem;
namespace dom = simdjson::dom;

// The required keys of a valid snapshot, for building bad ones around them.
const std::string required =
    R"("updated":1765238400,"percent":72,"mode":"onBattery","status":"On battery","limit":80)";

class CheckTest : public hosttest::HostTest {
 protected:
  fs::path write(const std::string& name, const std::string& bytes) const {
    const fs::path p = scratch() / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
};

TEST_F(CheckTest, ABadFileIsNamedWithItsFirstReason) {
  struct Case {
    const char* file;
    std::string bytes;
    const char* reason;
  };
  const Case cases[] = {
      {"percent.json", R"({"updated":1765238400,"percent":72.5,"mode":"onBattery","status":"x","limit":80,"topApps":[]})",
       R"("percent" must be a whole number, got 72.5)"},
      {"mode.json", R"({"updated":1765238400,"percent":72,"mode":"Charging","status":"x","limit":80,"topApps":[]})",
       R"("mode" must be one of charging, onBattery, held, full, sailing, got "Charging")"},
      {"no-apps.json", "{" + required + "}", R"(missing required key "topApps")"},
      {"app-watts.json", "{" + required + R"(,"topApps":[{"name":"a","watts":1},{"name":"b","watts":1},{"name":"c"}]})",
       R"(topApps[2]: missing required key "watts")"},
      {"history-null.json", "{" + required + R"(,"topApps":[],"history":[{"t":1,"p":null}]})",
       R"(history[0]: "p" must be a whole number, got null)"},
      {"cycles-text.json", "{" + required + R"(,"topApps":[],"cycles":"12"})", R"("cycles" must be a whole number, got a string)"},
      {"array.json", "[1,2]", "the snapshot must be a JSON object, got an array"},
      {"garbage.json", "{" + required + R"(,"topApps":[] x})", "not JSON: unexpected character at byte 100"},
      {"cut.json", "{" + required, "not JSON: unexpected end of input"},
      {"huge-number.json", "{" + required + R"(,"topApps":[],"watts":1e400})", "not JSON: a number is out of range"},
      {"empty.json", "", "empty file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const fs::path file = write(c.file, c.bytes);
    const hosttest::Outcome r = hosttest::run({"check", file.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "pellora-widgets: " + file.string() + ": " + c.reason + "\n");
  }
}

TEST_F(CheckTest, AnUnreadableFileIsStatus2) {
  const fs::path fifo = scratch() / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const fs::path big = scratch() / "big.json";
  std::ofstream(big) << "{";
  fs::resize_file(big, 16u * 1024 * 1024 + 1);  // sparse: quick to make
  const fs::path capped = scratch() / "capped.json";
  std::ofstream(capped) << " ";
  fs::resize_file(capped, 16u * 1024 * 1024);  // at the cap: read, then judged
  struct Case {
    fs::path file;
    int status;
    const char* reason;
  };
  const Case cases[] = {
      {fifo, 2, "not a regular file"},
      {scratch(), 2, "not a regular file"},
      {scratch() / "missing.json", 2, "no such file"},
      {scratch() / "missing" / "snapshot.json", 2, "no such file"},
      {big, 2, "larger than 16 MiB"},
      {capped, 1, "not JSON: "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.string());
    const hosttest::Outcome r = hosttest::run({"check", c.file.string()});
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err.rfind("pellora-widgets: " + c.file.string() + ": " + c.reason, 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
  if (::geteuid() != 0) {  // the superuser reads every file
    const fs::path locked = scratch() / "locked.json";
    std::ofstream(locked) << "{}";
    fs::permissions(locked, fs::perms::none);
    const hosttest::Outcome r = hosttest::run({"check", locked.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "pellora-widgets: " + locked.string() + ": Permission denied\n");
  }
}

TEST_F(CheckTest, AValidFileIsSummedUp) {
  pellora::WidgetSnapshot s = snapshot(72, 80, 3600);
  s.topApps = {{.name = "Safari", .watts = 1.8}};
  s.history = std::vector<pellora::WidgetSnapshot::Point>{{s.updated, 73}, {s.updated, 72}};
  const fs::path file = write("good.json", pellora::encodeSnapshot(s));
  const hosttest::Outcome r = hosttest::run({"check", file.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, file.string() + ": valid snapshot\n" +
                       "  72% onBattery · limit 80 · 1 app · 2 history points · updated "
                       "2025-12-09T09:00:00Z (1765270800)\n");
}

TEST_F(CheckTest, JSONHasTheFileTheVerdictAndTheReasonOrTheSnapshot) {
  const pellora::WidgetSnapshot s = snapshot(40, 100, 0);
  const fs::path good = write("good.json", pellora::encodeSnapshot(s));
  const fs::path bad = write("bad.json", "{" + required + "}");
  struct Case {
    fs::path file;
    int status;
    bool valid;
    const char* reason;  // absent when valid
  };
  const Case cases[] = {
      {good, 0, true, nullptr},
      {bad, 1, false, R"(missing required key "topApps")"},
      {scratch() / "missing.json", 2, false, "no such file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.string());
    const hosttest::Outcome r = hosttest::run({"check", "--json", c.file.string()});
    EXPECT_EQ(r.status, c.status);
    ASSERT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
    dom::parser parser;
    const dom::object o = parser.parse(r.out).get_object();
    std::vector<std::string> keys;
    for (auto [key, value] : o) keys.emplace_back(key);
    EXPECT_EQ(std::string_view(o["file"]), c.file.string());
    EXPECT_EQ(bool(o["valid"]), c.valid);
    if (c.valid) {
      EXPECT_EQ(keys, (std::vector<std::string>{"file", "valid", "snapshot"}));
      const pellora::DecodeResult back = pellora::decodeSnapshot(simdjson::minify(o["snapshot"]));
      ASSERT_TRUE(back.snapshot) << back.error;
      EXPECT_EQ(*back.snapshot, s);
      EXPECT_EQ(r.err, "");
    } else {
      EXPECT_EQ(keys, (std::vector<std::string>{"file", "valid", "reason"}));
      EXPECT_EQ(std::string_view(o["reason"]), c.reason);
      EXPECT_EQ(r.err, "pellora-widgets: " + c.file.string() + ": " + c.reason + "\n");
    }
  }
}

TEST_F(CheckTest, AFileIsRequired) {
  const hosttest::Outcome r = hosttest::run({"check"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("FILE is required"), std::string::npos) << r.err;
}

}  // namespace
