#pragma once
// Runs the built pellora-widgets with arguments and collects its exit status and output; and a
// temporary home to run it on.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace hosttest {

struct Outcome {
  int status = -1;  // the exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// The program with `args`, stdin from /dev/null.
Outcome run(const std::vector<std::string>& args);

// A temporary home folder, removed afterwards; a snapshot can be put where the widget reads it.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string home() const { return home_.string(); }
  std::filesystem::path scratch() const { return home_ / "scratch"; }
  void save(const pellora::WidgetSnapshot& s) const;
  // `--home HOME --now 2025-12-09T10:00:00Z` followed by `args`.
  Outcome runAtHome(std::vector<std::string> args) const;

  static pellora::WidgetSnapshot snapshot(std::int64_t percent, std::int64_t limit,
                                          double updatedSecondsAgo);

 private:
  std::filesystem::path home_;
};

// 2025-12-09T10:00:00Z
inline constexpr double now = 1765274400.0;

}  // namespace hosttest
