#pragma once
// Which entry a drawing command shows: entry N of the battery widget's timeline (asked for
// with the host's clock and home, as the host asks when entries are due), or the provider's
// placeholder entry.
#include <cstddef>
#include <optional>

#include "Platform/WidgetKit/TimelineProvider.hpp"

namespace CLI {
class App;
}

namespace host {

struct EntryChoice {
  std::size_t index = 0;  // --entry
  bool placeholder = false;
};

// Adds --entry N and --placeholder (which exclude each other) to `command`.
void addEntryOptions(CLI::App& command, EntryChoice& choice);

// The chosen entry. Throws UsageError when the timeline has no entry N.
wk::AnyEntry chosenEntry(const EntryChoice& choice);

}  // namespace host
