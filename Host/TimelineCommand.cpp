// timeline: asks the battery widget's provider for its timeline, as the host does when it
// needs entries, and prints the entries and the reload policy.
#include <CLI/CLI.hpp>

#include <iostream>

#include "Host/Commands.hpp"
#include "Host/HostBundle.hpp"
#include "Host/Output.hpp"

namespace host {
namespace {

void run(const GlobalOptions& options) {
  const wk::Timeline<wk::AnyEntry> timeline = batteryWidget().provider().timeline({});
  const wk::TimelineReloadPolicy& policy = timeline.policy;
  if (options.json) {
    JSONWriter w;
    w.beginObject().key("entries").beginArray();
    for (const wk::AnyEntry& any : timeline.entries) {
      const pellora::Entry& e = entryOf(any);
      w.beginObject().key("date").date(e.date, "date").key("percent").integer(e.percent);
      w.key("snapshot").boolean(e.snapshot.has_value()).endObject();
    }
    w.endArray().key("reload").beginObject().key("policy").string(wk::toString(policy.kind()));
    if (policy.date()) w.key("date").date(*policy.date(), "reload date");
    w.endObject().endObject();
    std::cout << w.text() << '\n';
    return;
  }
  std::cout << "entries: " << timeline.entries.size() << '\n';
  for (const wk::AnyEntry& any : timeline.entries) {
    const pellora::Entry& e = entryOf(any);
    std::cout << "  " << timeText(e.date) << "  " << e.percent << "%  "
              << (e.snapshot ? "snapshot" : "no snapshot") << '\n';
  }
  std::cout << "reload:  " << wk::toString(policy.kind());
  if (policy.date()) std::cout << ' ' << timeText(*policy.date());
  std::cout << '\n';
}

}  // namespace

void addTimelineCommand(CLI::App& program, CommandRegistry& registry) {
  CLI::App* timeline = program.add_subcommand(
      "timeline", "Ask the battery widget's provider for its timeline: the entries (date, "
                  "percent, whether a snapshot is present) and the reload policy");
  timeline->footer(
      "Example:\n  pellora-widgets --home /tmp/home --now 2025-12-09T10:00:00Z timeline");
  registry.add(timeline, run);
}

}  // namespace host
