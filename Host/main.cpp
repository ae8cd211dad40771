// pellora-widgets: hosts the Pellora battery widget and its controls on the desktop. It reads
// the extension's bundle as a widget host would, asks the widget's provider for timelines,
// previews and placeholders, shows the controls, and works them by opening the URLs their
// intents return.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "Host/Commands.hpp"
#include "Host/HostOptions.hpp"

#ifndef PELLORA_WIDGETS_VERSION
#define PELLORA_WIDGETS_VERSION "0"
#endif

namespace {

constexpr int exitUsage = 2;
constexpr int exitFailure = 1;

void printError(const std::string& message) {
  std::cout.flush();
  std::cerr << "pellora-widgets: " << message << '\n';
}

// The parser's message, except that a word where a command belongs is named as an unknown
// command rather than as a missing one.
std::string usageMessage(const CLI::App& program, const CLI::ParseError& e) {
  if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
    const CLI::App* level = &program;
    while (!level->get_subcommands().empty()) level = level->get_subcommands().front();
    for (const std::string& word : program.remaining(true)) {
      if (!word.empty() && word.front() != '-') return "unknown command \"" + word + "\"";
    }
    if (level->get_require_subcommand_min() > 0 && level->get_subcommands().empty()) {
      return level == &program ? "no command given"
                               : "\"" + level->get_name() + "\" needs a command";
    }
  }
  return e.what();
}

// The chosen command: the deepest selected subcommand that has something to run.
const host::CommandRegistry::Entry* chosen(const host::CommandRegistry& registry) {
  const host::CommandRegistry::Entry* found = nullptr;
  for (const auto& entry : registry.commands()) {
    if (entry.subcommand->parsed()) found = &entry;  // registered parents first, so keep the last
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App program{
      "Hosts the Pellora battery widget and its controls: the bundle's gallery, timelines, "
      "previews, the controls' state, and pressing them.",
      "pellora-widgets"};
  program.set_version_flag("--version", "pellora-widgets " PELLORA_WIDGETS_VERSION);
  program.require_subcommand(1);
  program.fallthrough();  // global options may also follow the command
  program.footer(
      "Examples:\n"
      "  pellora-widgets demo\n"
      "  pellora-widgets --home /tmp/home --now 2025-12-09T10:00:00Z timeline --json\n"
      "  pellora-widgets --os-version 26.0 press limit --on --print");

  host::GlobalOptions options;
  host::addGlobalOptions(program, options);
  host::CommandRegistry registry;
  host::addDemoCommand(program, registry);
  host::addGalleryCommand(program, registry);
  host::addTimelineCommand(program, registry);
  host::addPreviewCommands(program, registry);
  host::addControlsCommand(program, registry);
  host::addPressCommand(program, registry);
  host::addRenderCommand(program, registry);
  host::addTreeCommand(program, registry);
  host::addCheckCommand(program, registry);
  host::addWatchCommand(program, registry);

  try {
    program.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return program.exit(e);  // --help, --version
    printError(usageMessage(program, e) + " (see --help)");
    return exitUsage;
  }

  const host::CommandRegistry::Entry* command = chosen(registry);
  if (command == nullptr) {
    printError("no command given (see --help)");
    return exitUsage;
  }
  try {
    host::apply(options);
    command->run(options);
    std::cout.flush();
    return std::cout ? 0 : exitFailure;
  } catch (const host::UsageError& e) {
    printError(e.what());
    return exitUsage;
  } catch (const std::exception& e) {
    printError(e.what());
    return exitFailure;
  }
}
