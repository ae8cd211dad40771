#pragma once
// Snapshots that carry their own sequence number in every part of the file, so that a file
// that mixed two of them, or was cut short, matches none.
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <stdlib.h>

#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

namespace faulttest {

inline pellora::WidgetSnapshot numbered(std::int64_t k) {
  using pellora::WidgetSnapshot;
  std::vector<WidgetSnapshot::Point> history;
  for (std::int64_t i = 0; i < 48; ++i) {
    history.push_back({.t = pellora::dateFromSeconds(1765238400.0 + 1800.0 * double(i) + double(k)), .p = (k + i) % 101});
  }
  return {
      .updated = pellora::dateFromSeconds(1765238400.0 + double(k) + 0.25),
      .percent = k % 101,
      .mode = static_cast<WidgetSnapshot::Mode>(k % 5),
      .status = "save " + std::to_string(k) + " \u00B7 on battery",
      .minutesLeft = k,
      .watts = 6.4 + double(k % 7),
      .limit = 80,
      .topApps = {{.name = "Safari " + std::to_string(k), .watts = 1.8, .icon = "safari.png"},
                  {.name = "Mail", .watts = 0.3 + double(k % 3)}},
      .health = 0.94,
      .cycles = 212 + k,
      .temperature = 31,
      .adapterWatts = std::nullopt,
      .insight = "insight " + std::to_string(k),
      .history = std::move(history),
  };
}

// The sequence number that a snapshot claims in its status ("save 17 · …"), if any.
inline std::optional<std::int64_t> claimedNumber(const pellora::WidgetSnapshot& s) {
  constexpr std::string_view prefix = "save ";
  if (s.status.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  std::int64_t k = 0;
  const char* begin = s.status.data() + prefix.size();
  const auto [end, ec] = std::from_chars(begin, s.status.data() + s.status.size(), k);
  if (ec != std::errc{} || end == begin) return std::nullopt;
  return k;
}

// The number of a snapshot that is exactly one of the numbered ones, else nothing.
inline std::optional<std::int64_t> numberOf(const pellora::WidgetSnapshot& s) {
  const auto k = claimedNumber(s);
  if (!k || !(s == numbered(*k))) return std::nullopt;
  return k;
}

// The number of a file whose bytes are exactly the encoding of one numbered snapshot.
inline std::optional<std::int64_t> numberOfBytes(const std::string& bytes) {
  const auto decoded = pellora::decodeSnapshot(bytes);
  if (!decoded.snapshot) return std::nullopt;
  const auto k = claimedNumber(*decoded.snapshot);
  if (!k || bytes != pellora::encodeSnapshot(numbered(*k))) return std::nullopt;
  return k;
}

// A fresh folder below `root`, removed with everything in it at the end of its scope.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::filesystem::path& root) {
    std::string pattern = (root / "pellora-fault-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed in " + root.string());
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Names in `folder` other than `keep`: what a save left behind.
inline std::vector<std::string> strayNames(const std::filesystem::path& folder, const std::string& keep) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != keep) names.push_back(name);
  }
  return names;
}

}  // namespace faulttest
