// preview and placeholder: the provider's entry for a preview (getSnapshot) and for the
// host's placeholder (placeholder(in)).
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "Host/Commands.hpp"
#include "Host/HostBundle.hpp"
#include "Host/Output.hpp"
#include "PelloraShared/SnapshotJSON.hpp"

namespace host {
namespace {

void print(const pellora::Entry& e, const GlobalOptions& options) {
  if (options.json) {
    JSONWriter w;
    w.beginObject().key("date").date(e.date, "date").key("percent").integer(e.percent);
    w.key("snapshot");
    if (e.snapshot) {
      w.raw(pellora::encodeSnapshot(*e.snapshot));
    } else {
      w.raw("null");
    }
    w.endObject();
    std::cout << w.text() << '\n';
    return;
  }
  std::cout << "date:     " << timeText(e.date) << '\n'
            << "percent:  " << e.percent << '\n'
            << "snapshot: " << (e.snapshot ? pellora::encodeSnapshot(*e.snapshot) : "none")
            << '\n';
}

}  // namespace

void addPreviewCommands(CLI::App& program, CommandRegistry& registry) {
  CLI::App* preview = program.add_subcommand(
      "preview", "Ask the battery widget's provider for a preview entry (getSnapshot): the "
                 "stored snapshot, or the placeholder when there is none or in a gallery preview");
  auto inPreview = std::make_shared<bool>(false);
  preview->add_flag("--in-preview", *inPreview,
                    "Ask as the gallery does (the provider then never reads the file)");
  preview->footer("Example:\n  pellora-widgets --home /tmp/home preview --in-preview --json");
  registry.add(preview, [inPreview](const GlobalOptions& options) {
    wk::TimelineProviderContext context;
    context.isPreview = *inPreview;
    print(entryOf(batteryWidget().provider().snapshot(context)), options);
  });

  CLI::App* placeholder = program.add_subcommand(
      "placeholder", "Ask the battery widget's provider for its placeholder entry");
  placeholder->footer("Example:\n  pellora-widgets --now 1765274400 placeholder --json");
  registry.add(placeholder, [](const GlobalOptions& options) {
    print(entryOf(batteryWidget().provider().placeholder({})), options);
  });
}

}  // namespace host
