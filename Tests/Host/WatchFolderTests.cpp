#include <gtest/gtest.h>

#include <poll.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Host/WatchFolder.hpp"

namespace {

namespace fs = std::filesystem;
using host::watch::FolderWatch;

// Operations on a temporary root, each done completely before the watch is read, so its
// events are all queued by then.
using Operation = std::function<void(const fs::path& root)>;

const fs::path target = "Library/App/Widget";

void writeReplacing(const fs::path& file, const std::string& text) {
  const fs::path temp = file.parent_path() / ".writing";
  std::ofstream(temp) << text;
  fs::rename(temp, file);
}

const Operation makeParents = [](const fs::path& root) {
  fs::create_directories(root / "Library/App");
};
const Operation makeFolder = [](const fs::path& root) { fs::create_directories(root / target); };
const Operation replaceFile = [](const fs::path& root) {
  writeReplacing(root / target / "snapshot.json", "{}");
};
const Operation writeInPlace = [](const fs::path& root) {
  std::ofstream(root / target / "snapshot.json", std::ios::trunc) << "{\"x\":1}";
};
const Operation replaceOtherFile = [](const fs::path& root) {
  writeReplacing(root / target / "other.json", "{}");
};
const Operation lockFile = [](const fs::path& root) {
  fs::permissions(root / target / "snapshot.json", fs::perms::none);
};
const Operation removeFile = [](const fs::path& root) {
  fs::remove(root / target / "snapshot.json");
};
const Operation removeTree = [](const fs::path& root) { fs::remove_all(root / "Library"); };
const Operation makeFolderWithFile = [](const fs::path& root) {
  fs::create_directories(root / target);
  writeReplacing(root / target / "snapshot.json", "{}");
};
const Operation moveFolderAway = [](const fs::path& root) {
  fs::rename(root / target, root / "Library/App/Widget.old");
};
const Operation moveFolderBack = [](const fs::path& root) {
  fs::rename(root / "Library/App/Widget.old", root / target);
};

struct Step {
  Operation operation;
  // What the watch reports after it; empty: nothing yet (the next step's report would show
  // anything that this one reported wrongly).
  std::string reported;
};

struct Case {
  const char* name;
  std::vector<Operation> before;  // done before the watch starts
  std::vector<Step> steps;
  std::string watchedAtStart;     // relative to the root
};

// The next report, waiting for it at most `deadline` (generous: events arrive at once).
std::optional<std::string> nextReport(FolderWatch& watch, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (std::chrono::steady_clock::now() < end) {
    pollfd fd{watch.fd(), POLLIN, 0};
    if (::poll(&fd, 1, 100) > 0) {
      if (std::optional<std::string> changes = watch.readChanges()) return changes;
    }
  }
  return std::nullopt;
}

class FolderWatchSteps : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pellora-watch-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(root_ / target / "snapshot.json", fs::perms::owner_all, ec);
    fs::remove_all(root_);
  }
  fs::path root_;
};

TEST_P(FolderWatchSteps, ReportsWhatHappensToTheFile) {
  const Case& c = GetParam();
  for (const Operation& op : c.before) op(root_);
  FolderWatch watch(root_ / target / "", "snapshot.json");
  EXPECT_EQ(watch.watched(), c.watchedAtStart.empty() ? root_ : root_ / c.watchedAtStart);
  int number = 0;
  for (const Step& step : c.steps) {
    SCOPED_TRACE("step " + std::to_string(++number));
    step.operation(root_);
    if (step.reported.empty()) continue;
    EXPECT_EQ(nextReport(watch, std::chrono::seconds(10)).value_or("(nothing)"), step.reported);
  }
  EXPECT_EQ(watch.watchingTarget(), fs::is_directory(root_ / target));
}

const Case cases[] = {
    {"FileInAnExistingFolder",
     {makeFolder},
     {{replaceFile, "snapshot.json created"},
      {replaceFile, "snapshot.json replaced"},
      {writeInPlace, "snapshot.json written"},
      {replaceOtherFile, ""},
      {lockFile, "snapshot.json permissions changed"},
      {removeFile, "snapshot.json removed"}},
     "Library/App/Widget"},
    {"FolderAppearsLater",
     {},
     {{makeParents, ""},
      {makeFolder, "folder created"},
      {replaceFile, "snapshot.json created"},
      {removeTree, "snapshot.json removed, folder removed"},
      {makeFolderWithFile, "folder created"},
      {removeFile, "snapshot.json removed"}},
     ""},
    {"FolderMovedAwayAndBack",
     {makeFolderWithFile},
     {{moveFolderAway, "folder removed"},
      {moveFolderBack, "folder created"},
      {removeFile, "snapshot.json removed"}},
     "Library/App/Widget"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FolderWatchSteps, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
