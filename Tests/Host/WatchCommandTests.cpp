#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramRun.hpp"
#include "WatchProcess.hpp"

namespace {

namespace fs = std::filesystem;
using hosttest::WatchLine;
using hosttest::WatchProcess;

constexpr double twoHours = 7200;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// A whole PNG file: the signature at the start and the end chunk at the end.
bool isCompletePNG(const fs::path& p) {
  const std::string bytes = slurp(p);
  static const std::string signature("\x89PNG\r\n\x1a\n", 8);
  static const std::string end("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
  return bytes.size() > signature.size() + end.size() && bytes.starts_with(signature) &&
         bytes.ends_with(end);
}

std::set<std::string> filesIn(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
  return names;
}

bool isRender(const WatchLine& l) { return l.event == "render"; }

class WatchTest : public hosttest::HostTest {
 protected:
  fs::path out() const { return scratch() / "widgets"; }
  fs::path log() const { return scratch() / "watch.log"; }
  // The program with the test home, the clock at 2025-12-09T10:00:00Z and JSON log lines.
  std::vector<std::string> watchArgs(const std::vector<std::string>& more) const {
    std::vector<std::string> args{"--home", home(), "--now", "2025-12-09T10:00:00Z", "--json",
                                  "watch", "-o", out().string()};
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }
  fs::path snapshotFile() const {
    return fs::path(home()) / "Library/Application Support/Pellora/Widget/snapshot.json";
  }
};

TEST_F(WatchTest, RendersTheTwelveEntriesInOrderThenReloadsAtTheEnd) {
  const pellora::WidgetSnapshot s = snapshot(72, 80, 60);
  save(s);
  WatchProcess watch(watchArgs({"--family", "small", "--speed", "3000", "--exit-after", "13"}),
                     log());
  ASSERT_EQ(watch.wait(), 0);
  const std::vector<WatchLine> lines = watch.lines();
  ASSERT_EQ(lines.size(), 16u) << slurp(log());

  EXPECT_EQ(lines[0].event, "reload");
  EXPECT_EQ(lines[0].why, "start");
  EXPECT_EQ(lines[0].entries, 12);
  EXPECT_EQ(lines[0].policy, "atEnd");
  EXPECT_TRUE(lines[0].snapshot);
  const double first = lines[1].date;
  for (int i = 1; i <= 12; ++i) {
    SCOPED_TRACE("entry " + std::to_string(i));
    const WatchLine& r = lines[i];
    EXPECT_EQ(r.event, "render");
    EXPECT_EQ(r.entry, i);
    EXPECT_EQ(r.of, 12);
    EXPECT_EQ(r.why, i == 1 ? "new timeline" : "entry date");
    EXPECT_DOUBLE_EQ(r.date, first + (i - 1) * 300.0);
    EXPECT_GE(r.time, r.date);  // never before its date
    EXPECT_TRUE(r.snapshot);
    EXPECT_EQ(r.percent, s.projectedPercent(pellora::dateFromSeconds(r.date)));
    EXPECT_EQ(r.files, std::vector<std::string>{"small.png"});
  }
  EXPECT_EQ(lines[13].event, "reload");
  EXPECT_EQ(lines[13].why, "end of timeline");
  EXPECT_GE(lines[13].time, lines[12].date);
  EXPECT_EQ(lines[14].event, "render");
  EXPECT_EQ(lines[14].entry, 1);
  EXPECT_EQ(lines[14].why, "new timeline");
  EXPECT_GE(lines[14].date, lines[12].time);  // the new timeline starts at the reload
  EXPECT_LE(lines[14].date, lines[13].time);
  EXPECT_EQ(lines[15].event, "stop");
  EXPECT_EQ(lines[15].why, "13 renders done");

  EXPECT_EQ(filesIn(out()), std::set<std::string>{"small.png"});
  EXPECT_TRUE(isCompletePNG(out() / "small.png"));
}

enum class Change { replaceSnapshot, removeSnapshot, removeFolder };

struct FileEventCase {
  const char* name;
  bool snapshotAtStart;
  Change change;
  std::int64_t percentWritten;  // replaceSnapshot: the new snapshot's own percent
  const char* reloadWhy;        // part of the first reload's reason
  bool snapshotAfter;
};

class WatchFileEvents : public WatchTest, public ::testing::WithParamInterface<FileEventCase> {
 protected:
  void apply(const FileEventCase& c) const {
    switch (c.change) {
      case Change::replaceSnapshot: save(snapshot(c.percentWritten, 80, 60)); break;
      case Change::removeSnapshot: fs::remove(snapshotFile()); break;
      case Change::removeFolder: fs::remove_all(fs::path(home()) / "Library"); break;
    }
  }
};

TEST_P(WatchFileEvents, AnswersAtOnce) {
  const FileEventCase& c = GetParam();
  if (c.snapshotAtStart) save(snapshot(72, 80, 60));
  WatchProcess watch(watchArgs({"--family", "small"}), log());
  const auto start = watch.waitFor(isRender);
  ASSERT_TRUE(start) << slurp(log());
  EXPECT_EQ(start->back().snapshot, c.snapshotAtStart);

  apply(c);
  bool reloaded = false;
  const auto after = watch.waitFor([&reloaded, &c](const WatchLine& l) {
    if (l.event == "reload" && l.why.find(c.reloadWhy) != std::string::npos) reloaded = true;
    // A writer that makes the folder first may be seen in two steps: the folder, then the file.
    return reloaded && l.event == "render" && l.snapshot == c.snapshotAfter;
  });
  ASSERT_TRUE(after) << slurp(log());
  const WatchLine& shown = after->back();
  EXPECT_EQ(shown.why, "new timeline");
  EXPECT_EQ(shown.snapshot, c.snapshotAfter);
  if (c.snapshotAfter) {
    const pellora::WidgetSnapshot s = snapshot(c.percentWritten, 80, 60);
    EXPECT_EQ(shown.percent, s.projectedPercent(pellora::dateFromSeconds(shown.date)));
  }

  watch.signal(SIGTERM);
  EXPECT_EQ(watch.wait(), 0);
  EXPECT_EQ(watch.lines().back().why, "SIGTERM");
  EXPECT_TRUE(isCompletePNG(out() / "small.png"));
}

const FileEventCase fileEventCases[] = {
    {"ReplacedSnapshotIsShown", true, Change::replaceSnapshot, 55, "snapshot.json replaced", true},
    {"RemovedSnapshotBringsTheEmptyState", true, Change::removeSnapshot, 0,
     "snapshot.json removed", false},
    {"SnapshotWrittenIntoAFolderThatWasMissing", false, Change::replaceSnapshot, 64,
     "folder created", true},
    {"RemovedFolderBringsTheEmptyState", true, Change::removeFolder, 0, "folder removed", false},
};

INSTANTIATE_TEST_SUITE_P(Cases, WatchFileEvents, ::testing::ValuesIn(fileEventCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WatchTest, DimsTheEntryOnShowOnceItsSnapshotIsTwoHoursOld) {
  // Stale 90 s into the run: 4.5 s of real time at 20 times real time, room enough for a slow
  // first render (a sanitizer build).
  const double updated = hosttest::now - (twoHours - 90);
  save(snapshot(72, 80, twoHours - 90));
  WatchProcess watch(watchArgs({"--family", "small", "--speed", "20", "--until",
                                std::to_string(static_cast<long long>(hosttest::now + 100))}),
                     log());
  ASSERT_EQ(watch.wait(), 0);
  std::vector<WatchLine> renders = watch.lines();
  std::erase_if(renders, [](const WatchLine& l) { return !isRender(l); });
  ASSERT_GE(renders.size(), 2u) << slurp(log());
  for (const WatchLine& r : renders) {
    EXPECT_EQ(r.dimmed, r.time - updated > twoHours) << "render at " << r.time;
  }
  EXPECT_FALSE(renders.front().dimmed);
  EXPECT_EQ(renders.back().why, "snapshot over two hours old");
  EXPECT_EQ(renders.back().entry, renders.front().entry);  // the same entry, again
  EXPECT_TRUE(renders.back().dimmed);
  EXPECT_EQ(watch.lines().back().why, "until 2025-12-09T10:01:40Z reached");
}

TEST_F(WatchTest, SIGTERMWhileRenderingLeavesOnlyCompletePictures) {
  save(snapshot(72, 80, 60));
  // So fast that the loop renders all the time.
  WatchProcess watch(watchArgs({"--speed", "100000"}), log());
  int seen = 0;
  ASSERT_TRUE(watch.waitFor([&seen](const WatchLine& l) { return isRender(l) && ++seen == 3; }))
      << slurp(log());
  watch.signal(SIGTERM);
  EXPECT_EQ(watch.wait(), 0);
  const std::vector<WatchLine> lines = watch.lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().event, "stop");
  EXPECT_EQ(lines.back().why, "SIGTERM");
  EXPECT_EQ(filesIn(out()), (std::set<std::string>{"large.png", "medium.png", "small.png"}));
  for (const char* name : {"small.png", "medium.png", "large.png"}) {
    EXPECT_TRUE(isCompletePNG(out() / name)) << name;
  }
}

TEST_F(WatchTest, LogsAsTextForPeople) {
  save(snapshot(72, 80, 60));
  const hosttest::Outcome r =
      runAtHome({"watch", "-o", out().string(), "--family", "small", "--appearance", "dark",
                 "--scale", "1", "--exit-after", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  const std::string time = R"(2025-12-09T10:00:0\d(\.\d{3})?Z)";
  const std::regex expected(
      time + " reload: 12 entries from " + time + " to 2025-12-09T10:55:0\\d(\\.\\d{3})?Z, with a "
      "snapshot, asked again at the end, 2025-12-09T10:55:0\\d(\\.\\d{3})?Z; why: start\n" +
      time + " render: entry 1 of 12 \\(" + time + "\\), \\d+%, fresh, to small.png; why: new "
      "timeline\n" + time + " stop; why: 1 render done\n");
  EXPECT_TRUE(std::regex_match(r.err, expected)) << r.err;
  EXPECT_TRUE(isCompletePNG(out() / "small.png"));
}

TEST_F(WatchTest, RefusesWhatItCannotDo) {
  std::ofstream(scratch() / "file") << "in the way";
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* err;  // part of the one line on stderr
  };
  const std::string file = (scratch() / "file").string();
  const std::string dir = out().string();
  const Case cases[] = {
      {{"watch"}, 2, "--output is required"},
      {{"watch", "-o", dir, "--family", "huge"}, 2, "--family"},
      {{"watch", "-o", dir, "--appearance", "sepia"}, 2, "--appearance"},
      {{"watch", "-o", dir, "--speed", "0"}, 2, "\"0\" is not a speed above 0"},
      {{"watch", "-o", dir, "--speed", "-5"}, 2, "--speed"},
      {{"watch", "-o", dir, "--scale", "0"}, 2, "\"0\" is not a scale above 0 and up to 8"},
      {{"watch", "-o", dir, "--scale", "9"}, 2, "--scale"},
      {{"watch", "-o", dir, "--until", "soon"}, 2, "\"soon\" is neither"},
      {{"watch", "-o", dir, "--exit-after", "0"}, 2, "--exit-after"},
      {{"watch", "-o", file}, 1, "cannot create the output folder"},
      {{"watch", "-o", file + "/sub"}, 1, "cannot create the output folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const hosttest::Outcome r = runAtHome(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_FALSE(fs::exists(out()));
}

TEST_F(WatchTest, HelpShowsAnExample) {
  const hosttest::Outcome r = hosttest::run({"watch", "--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Examples:"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("pellora-widgets watch -o"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("--speed"), std::string::npos) << r.out;
}

}  // namespace
