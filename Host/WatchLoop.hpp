#pragma once
// The live widget host: asks the battery widget's provider for a timeline, renders each entry
// into <folder>/<family>.png when its date comes, asks again as the reload policy says or at
// once when the snapshot file changes, renders the entry on show again when its snapshot turns
// stale, and stops on SIGINT, SIGTERM or SIGHUP (or at a chosen moment or count). Idle, it sits
// in one poll() until the next due moment, a file event or a signal.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

#include "Platform/Foundation/Date.hpp"
#include "Platform/UI/Style.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace host::watch {

struct WatchSettings {
  std::vector<wk::WidgetFamily> families;
  std::filesystem::path output;
  ui::ColorScheme scheme = ui::ColorScheme::light;
  double scale = 2;    // PNG pixels per point
  double speed = 1;    // seconds of the platform's clock per real second, to time the waits
  std::optional<fnd::Date> until;        // stop once the clock reaches it
  std::optional<std::size_t> exitAfter;  // stop after this many renders
  bool json = false;                     // log lines as JSON
};

// "small.png", "medium.png", "large.png".
std::filesystem::path outputFileName(wk::WidgetFamily family);

// Runs the loop with the clock already in place; returns after a clean stop. Throws
// std::runtime_error when the output folder cannot be created or written, and whatever else
// keeps the loop from starting.
void watch(const WatchSettings& settings);

}  // namespace host::watch
