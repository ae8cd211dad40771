#pragma once
// The record that the companion application writes and the widget reads.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PelloraShared/Clock.hpp"
#include "PelloraShared/Date.hpp"

namespace pellora {

struct WidgetSnapshot {
  enum class Mode { charging, onBattery, held, full, sailing };

  struct App {
    std::string name;
    double watts = 0;
    std::optional<std::string> icon = std::nullopt;

    bool operator==(const App&) const;
  };

  struct Point {
    Date t;
    std::int64_t p = 0;

    bool operator==(const Point&) const = default;
  };

  // Fields in declaration order, which is also the order of construction and of encoding.
  // Build one with designated initializers; optional fields are absent unless given.
  Date updated;
  std::int64_t percent = 0;
  Mode mode = Mode::charging;
  std::string status;
  std::optional<std::int64_t> minutesLeft = std::nullopt;
  std::optional<double> watts = std::nullopt;
  std::int64_t limit = 0;
  std::vector<App> topApps;
  std::optional<double> health = std::nullopt;
  std::optional<std::int64_t> cycles = std::nullopt;
  std::optional<double> temperature = std::nullopt;
  std::optional<double> adapterWatts = std::nullopt;
  std::optional<std::string> insight = std::nullopt;
  std::optional<std::vector<Point>> history = std::nullopt;

  // Every field equal: texts when canonically equivalent, floats numerically (NaN never),
  // optionals both absent or both present and equal, lists element by element.
  bool operator==(const WidgetSnapshot&) const;

  // --- Store -------------------------------------------------------------------------------
  // The folder below the user's home directory that holds the snapshot and the icons.
  // Computed afresh on every call; touches nothing on disk.
  static std::filesystem::path folder();
  // folder() / "snapshot.json".
  static std::filesystem::path fileURL();
  // folder() / "icons/" + name, the name taken verbatim.
  static std::filesystem::path iconURL(std::string_view name);
  // Reads and decodes the file; no snapshot on any failure, whatever its reason.
  static std::optional<WidgetSnapshot> load(const std::filesystem::path& from);
  // Writes the snapshot atomically; throws std::system_error for the file system and
  // pellora::EncodingError for values JSON cannot carry. The old file stays as it was on failure.
  void save(const std::filesystem::path& to) const;

  // --- Projection, comparison, placeholder ------------------------------------------------
  // The charge estimated at `at`, moving linearly toward the limit or toward empty.
  std::int64_t projectedPercent(Date at) const;
  // Whether the two would look the same: ignores the capture time, the history, the adapter
  // rating and small changes of the power readings.
  bool sameContent(const WidgetSnapshot& as) const;
  // A plausible snapshot, built once per process at the first call; every call returns a copy.
  static WidgetSnapshot placeholder();
};

// The text form of a mode, and back; only the five exact forms convert.
std::string_view toString(WidgetSnapshot::Mode mode);
std::optional<WidgetSnapshot::Mode> modeFromString(std::string_view text);

// Unicode canonical equivalence of two UTF-8 texts (their NFC forms are equal).
bool canonicallyEqual(std::string_view a, std::string_view b);

}  // namespace pellora

template <>
struct std::hash<pellora::WidgetSnapshot::Mode> {
  std::size_t operator()(pellora::WidgetSnapshot::Mode m) const noexcept {
    return std::hash<int>{}(static_cast<int>(m));
  }
};
