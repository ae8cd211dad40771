// check FILE: whether a file is a snapshot that the widget would accept, and if not, the first
// reason. For the developers of the application that writes snapshots: it reads the file
// where it lies, not through the widget's sandbox, with the widget's size cap.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <string>

#include "Host/Commands.hpp"
#include "Host/Output.hpp"
#include "PelloraShared/SnapshotFile.hpp"
#include "PelloraShared/SnapshotJSON.hpp"

namespace host {
namespace {

// Exit status 2, as for bad usage: there was nothing to judge.
class UnreadableFile : public UsageError {
 public:
  using UsageError::UsageError;
};

std::string plural(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "72% onBattery · limit 80 · 3 apps · 3 history points · updated 2025-12-09T08:00:00Z (…)"
std::string summary(const pellora::WidgetSnapshot& s) {
  std::string line = std::to_string(s.percent) + "% " + std::string(pellora::toString(s.mode)) +
                     " · limit " + std::to_string(s.limit) + " · " +
                     plural(s.topApps.size(), "app", "apps");
  if (s.history) line += " · " + plural(s.history->size(), "history point", "history points");
  return line + " · updated " + timeText(s.updated);
}

void printJSON(const std::string& file, const pellora::DecodeResult* decoded,
               const std::string& reason) {
  JSONWriter w;
  w.beginObject().key("file").string(file);
  const bool valid = decoded != nullptr && decoded->snapshot.has_value();
  w.key("valid").boolean(valid);
  if (valid) {
    w.key("snapshot").raw(pellora::encodeSnapshot(*decoded->snapshot));
  } else {
    w.key("reason").string(reason);
  }
  std::cout << w.endObject().text() << '\n';
}

void run(const std::string& file, const GlobalOptions& options) {
  const pellora::FileContents contents = pellora::readRegularFile(file);
  if (!contents.bytes) {
    if (options.json) printJSON(file, nullptr, contents.error);
    throw UnreadableFile(file + ": " + contents.error);
  }
  const pellora::DecodeResult decoded = pellora::decodeSnapshot(*contents.bytes);
  if (!decoded.snapshot) {
    if (options.json) printJSON(file, &decoded, decoded.error);
    throw std::runtime_error(file + ": " + decoded.error);
  }
  if (options.json) {
    printJSON(file, &decoded, {});
    return;
  }
  std::cout << file << ": valid snapshot\n  " << summary(*decoded.snapshot) << '\n';
}

}  // namespace

void addCheckCommand(CLI::App& program, CommandRegistry& registry) {
  auto file = std::make_shared<std::string>();
  CLI::App* check = program.add_subcommand(
      "check", "Tell whether FILE is a valid snapshot, and if not, the first reason. Exit "
               "status 0: valid; 1: not a valid snapshot; 2: unreadable (missing, not a regular "
               "file, larger than 16 MiB, no permission). The reason goes to stderr; with "
               "--json, {\"file\",\"valid\",\"reason\" or \"snapshot\"} goes to stdout as well");
  check->add_option("FILE", *file, "The snapshot file to check")->required()->type_name("FILE");
  check->footer(
      "Examples:\n"
      "  pellora-widgets check ~/Library/Application\\ Support/Pellora/Widget/snapshot.json\n"
      "  pellora-widgets check --json snapshot.json");
  registry.add(check, [file](const GlobalOptions& options) { run(*file, options); });
}

}  // namespace host
