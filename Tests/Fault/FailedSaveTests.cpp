// Saves that fail: each must report its error to the caller and leave the old file byte for
// byte, with no temporary file left beside it. Every save runs in a forked child, so that
// resource limits and dropped privileges stay there.
#include <grp.h>
#include <sys/resource.h>

#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "Tests/Fault/ChildProcess.hpp"
#include "Tests/Fault/NumberedSnapshots.hpp"
#include "Tests/Support/TempHome.hpp"

namespace {

namespace fs = std::filesystem;
using pellora::WidgetSnapshot;

constexpr uid_t nobody = 65534;

struct FailedSave {
  std::string name;
  // Changes the snapshot before it is saved.
  std::function<void(WidgetSnapshot&)> spoil = [](WidgetSnapshot&) {};
  // Runs in this process before the save, given the folder: permissions.
  std::function<void(const fs::path&)> arrange = [](const fs::path&) {};
  // Runs in the child before the save: limits, privileges.
  std::function<void()> inChild = [] {};
  // Where to save, given the folder that holds the old snapshot.json.
  std::function<fs::path(const fs::path&)> target = [](const fs::path& folder) { return folder / "snapshot.json"; };
  // The error: "encoding", or "system:<errno name>" (any errno when only "system").
  std::string expected;
};

std::string outcomeOf(const WidgetSnapshot& s, const fs::path& to) {
  try {
    s.save(to);
    return "saved";
  } catch (const pellora::EncodingError&) {
    return "encoding";
  } catch (const std::system_error& e) {
    if (e.code().category() != std::generic_category() && e.code().category() != std::system_category()) {
      return "system:other category";
    }
    const int code = e.code().value();
    return std::string("system:") + (code == EFBIG ? "EFBIG" : code == EACCES ? "EACCES" : std::to_string(code));
  }
}

void limitFileSize(rlim_t bytes) {
  const rlimit limit{bytes, bytes};
  if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(90);
}

void makeReadOnly(const fs::path& folder) {
  using fs::perms;
  fs::permissions(folder, perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                              perms::others_read | perms::others_exec);
}

// As root, permissions do not stop a write: become nobody first. As another user, the folder's
// missing write permission does it alone.
void becomeSomeoneElseWhenRoot() {
  if (::geteuid() != 0) return;
  if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(91);
}

std::vector<FailedSave> failedSaves() {
  std::vector<FailedSave> cases;
  cases.push_back({.name = "FileSizeLimitBelowTheSnapshot", .inChild = [] { limitFileSize(100); }, .expected = "system:EFBIG"});
  cases.push_back({.name = "FileSizeLimitZero", .inChild = [] { limitFileSize(0); }, .expected = "system:EFBIG"});
  cases.push_back({.name = "ReadOnlyFolder", .arrange = makeReadOnly, .inChild = becomeSomeoneElseWhenRoot, .expected = "system:EACCES"});
  cases.push_back({.name = "RegularFileWhereTheFolderShouldBe",
                   .target = [](const fs::path& folder) { return folder / "snapshot.json" / "snapshot.json"; },
                   .expected = "system"});
  cases.push_back({.name = "RegularFileWhereAParentFolderShouldBe",
                   .target = [](const fs::path& folder) { return folder / "snapshot.json" / "a" / "b" / "snapshot.json"; },
                   .expected = "system"});

  using Field = std::function<void(WidgetSnapshot&, double)>;
  const std::pair<const char*, Field> floatFields[] = {
      {"Updated", [](WidgetSnapshot& s, double v) { s.updated = pellora::dateFromSeconds(v); }},
      {"Watts", [](WidgetSnapshot& s, double v) { s.watts = v; }},
      {"Health", [](WidgetSnapshot& s, double v) { s.health = v; }},
      {"Temperature", [](WidgetSnapshot& s, double v) { s.temperature = v; }},
      {"AdapterWatts", [](WidgetSnapshot& s, double v) { s.adapterWatts = v; }},
      {"AppWatts", [](WidgetSnapshot& s, double v) { s.topApps.back().watts = v; }},
      {"HistoryTime", [](WidgetSnapshot& s, double v) { s.history->back().t = pellora::dateFromSeconds(v); }},
  };
  const std::pair<const char*, double> unwritable[] = {
      {"NaN", std::numeric_limits<double>::quiet_NaN()},
      {"Infinity", std::numeric_limits<double>::infinity()},
      {"MinusInfinity", -std::numeric_limits<double>::infinity()},
  };
  for (const auto& [field, set] : floatFields) {
    for (const auto& [valueName, value] : unwritable) {
      cases.push_back({.name = std::string(valueName) + "In" + field,
                       .spoil = [set = set, value = value](WidgetSnapshot& s) { set(s, value); },
                       .expected = "encoding"});
    }
  }

  using TextField = std::function<void(WidgetSnapshot&, std::string)>;
  const std::pair<const char*, TextField> textFields[] = {
      {"Status", [](WidgetSnapshot& s, std::string t) { s.status = t; }},
      {"Insight", [](WidgetSnapshot& s, std::string t) { s.insight = t; }},
      {"AppName", [](WidgetSnapshot& s, std::string t) { s.topApps.front().name = t; }},
      {"AppIcon", [](WidgetSnapshot& s, std::string t) { s.topApps.front().icon = t; }},
  };
  for (const auto& [field, set] : textFields) {
    cases.push_back({.name = std::string("InvalidUTF8In") + field,
                     .spoil = [set = set](WidgetSnapshot& s) { set(s, "Safari \xff\xfe"); },
                     .expected = "encoding"});
  }
  return cases;
}

void PrintTo(const FailedSave& c, std::ostream* os) { *os << c.name; }

class FailedSaves : public testing::TestWithParam<FailedSave> {};

TEST_P(FailedSaves, ReportTheErrorAndLeaveTheOldFile) {
  const FailedSave& c = GetParam();
  const testsupport::TempHome home;
  // The home and its parents must be open to the unprivileged user; the folder is not writable
  // to it, nor to its owner when the owner is not root.
  fs::permissions(home.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
  const fs::path folder = home.folder();
  faulttest::numbered(1).save(folder / "snapshot.json");
  const std::string before = testsupport::readFile(folder / "snapshot.json");
  c.arrange(folder);

  WidgetSnapshot next = faulttest::numbered(2);
  c.spoil(next);
  const fs::path target = c.target(folder);
  const auto child = faulttest::runInChild([&](int out) {
    c.inChild();
    faulttest::report(out, outcomeOf(next, target));
    return 0;
  });
  fs::permissions(folder, fs::perms::owner_all);

  // A child killed by SIGXFSZ has not reported anything: the limit must be an error, not death.
  ASSERT_TRUE(child.exitedNormally()) << child.describe() << "\n" << child.output;
  if (c.expected == "system") {
    EXPECT_EQ(child.output.rfind("system:", 0), 0u) << child.output;
  } else {
    EXPECT_EQ(child.output, c.expected);
  }
  EXPECT_EQ(testsupport::readFile(folder / "snapshot.json"), before);
  EXPECT_EQ(faulttest::strayNames(folder, "snapshot.json"), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Table, FailedSaves, testing::ValuesIn(failedSaves()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
