// demo: the built-in placeholder snapshot in its JSON form, and its projected charge for each
// of the next twelve five-minute steps.
#include <CLI/CLI.hpp>

#include <iostream>

#include "Host/Commands.hpp"
#include "Host/Output.hpp"
#include "PelloraShared/SnapshotJSON.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"

namespace host {
namespace {

constexpr int steps = 12;
constexpr double stepSeconds = 300.0;

void run(const GlobalOptions& options) {
  const pellora::WidgetSnapshot s = pellora::WidgetSnapshot::placeholder();
  if (options.json) {
    JSONWriter w;
    w.beginObject().key("snapshot").raw(pellora::encodeSnapshot(s)).key("projection").beginArray();
    for (int i = 0; i < steps; ++i) {
      const pellora::Date at = s.updated + pellora::Seconds{i * stepSeconds};
      w.beginObject().key("date").date(at, "date").key("percent").integer(s.projectedPercent(at));
      w.endObject();
    }
    w.endArray().endObject();
    std::cout << w.text() << '\n';
    return;
  }
  std::cout << pellora::encodeSnapshot(s) << '\n';
  for (int i = 0; i < steps; ++i) {
    const pellora::Date at = s.updated + pellora::Seconds{i * stepSeconds};
    std::cout << '+' << (i * 5 < 10 ? " " : "") << i * 5 << " min  " << timeText(at) << "  "
              << s.projectedPercent(at) << "%\n";
  }
}

}  // namespace

void addDemoCommand(CLI::App& program, CommandRegistry& registry) {
  CLI::App* demo = program.add_subcommand(
      "demo", "Print the built-in placeholder snapshot and its projected charge, five minutes "
              "apart, for the next hour");
  demo->footer("Example:\n  pellora-widgets --now 2025-12-09T10:00:00Z demo");
  registry.add(demo, run);
}

}  // namespace host
