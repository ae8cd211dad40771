#pragma once
// Every command of the program, in the order `--help` lists them. A new command is a file
// of its own with one of these functions, called from main.
#include "Host/Command.hpp"

namespace host {

void addDemoCommand(CLI::App& program, CommandRegistry& registry);
void addGalleryCommand(CLI::App& program, CommandRegistry& registry);
void addTimelineCommand(CLI::App& program, CommandRegistry& registry);
void addPreviewCommands(CLI::App& program, CommandRegistry& registry);  // preview, placeholder
void addControlsCommand(CLI::App& program, CommandRegistry& registry);
void addPressCommand(CLI::App& program, CommandRegistry& registry);
void addRenderCommand(CLI::App& program, CommandRegistry& registry);
void addTreeCommand(CLI::App& program, CommandRegistry& registry);
void addCheckCommand(CLI::App& program, CommandRegistry& registry);
void addWatchCommand(CLI::App& program, CommandRegistry& registry);

}  // namespace host
