#include "Host/EntryChoice.hpp"

#include <CLI/CLI.hpp>

#include <string>

#include "Host/Command.hpp"
#include "Host/HostBundle.hpp"

namespace host {

void addEntryOptions(CLI::App& command, EntryChoice& choice) {
  CLI::Option* entry =
      command.add_option("--entry", choice.index, "Entry N of the timeline, from 0 (default: 0)")
          ->type_name("N");
  command.add_flag("--placeholder", choice.placeholder,
                   "The provider's placeholder entry instead of a timeline entry")
      ->excludes(entry);
}

wk::AnyEntry chosenEntry(const EntryChoice& choice) {
  const wk::StaticConfiguration widget = batteryWidget();
  if (choice.placeholder) return widget.provider().placeholder({});
  wk::Timeline<wk::AnyEntry> timeline = widget.provider().timeline({});
  const std::size_t count = timeline.entries.size();
  if (choice.index >= count) {
    throw UsageError("--entry " + std::to_string(choice.index) + ": the timeline has " +
                     std::to_string(count) + (count == 1 ? " entry (0)" : " entries (0 to " +
                                                  std::to_string(count - 1) + ")"));
  }
  return timeline.entries[choice.index];
}

}  // namespace host
