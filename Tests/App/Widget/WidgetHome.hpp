#pragma once
// A temporary home directory that the user database reports, a fixed clock, and helpers to put
// a snapshot where the widget looks for it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "PelloraShared/UserDatabase.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/Foundation/Clock.hpp"
#include "Platform/Foundation/SystemVersion.hpp"

namespace widgettest {

namespace fs = std::filesystem;
using pellora::WidgetSnapshot;

// 2025-12-09T10:00:00Z
inline constexpr double now = 1765274400.0;

class WidgetHome : public ::testing::Test {
 public:
  static WidgetSnapshot snapshot(WidgetSnapshot::Mode mode, std::int64_t percent,
                                 std::optional<std::int64_t> minutesLeft, std::int64_t limit,
                                 double updatedMinutesAgo = 0) {
    WidgetSnapshot s;
    s.updated = fnd::dateFromSeconds(now - updatedMinutesAgo * 60);
    s.percent = percent;
    s.mode = mode;
    s.status = "status";
    s.minutesLeft = minutesLeft;
    s.limit = limit;
    return s;
  }

 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "pellora-widget-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    home_ = pattern;
    lookups_ = 0;
    pellora::setUserDatabaseLookup([home = home_.string(), this] {
      ++lookups_;
      return std::optional(pellora::UserDatabaseEntry{home});
    });
    fnd::Clock::setFixed(fnd::dateFromSeconds(now));
  }
  void TearDown() override {
    pellora::setUserDatabaseLookup({});
    fnd::Clock::useSystem();
    fnd::SystemVersion::setCurrent({26, 0});
    fs::remove_all(home_);
  }

  fs::path snapshotFile() const {
    return home_ / "Library/Application Support/Pellora/Widget/snapshot.json";
  }
  void save(const WidgetSnapshot& s) const { s.save(snapshotFile()); }
  void writeBytes(const std::string& bytes) const {
    fs::create_directories(snapshotFile().parent_path());
    std::ofstream(snapshotFile(), std::ios::binary) << bytes;
  }
  // How often the store asked the user database for the home directory since SetUp.
  int lookups() const { return lookups_; }

  fs::path home_;
  std::atomic<int> lookups_{0};
};

}  // namespace widgettest
