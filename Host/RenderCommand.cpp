// render: draws the battery widget for one entry, in one family or all three, or one of the
// controls as a control surface shows it, to PNG, SVG or PDF files.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Host/Commands.hpp"
#include "Host/ControlPicture.hpp"
#include "Host/EntryChoice.hpp"
#include "Host/Output.hpp"
#include "Host/PictureOptions.hpp"
#include "Host/WidgetPicture.hpp"

namespace host {
namespace {

namespace fs = std::filesystem;

struct RenderArguments {
  std::string family = "small";
  EntryChoice entry;
  PictureOptions picture;
  std::optional<std::string> output;
  std::optional<std::string> control;
  std::optional<std::string> state;
};

// A single picture goes to -o; when -o names a folder that exists, into it under the default
// name; without -o, under the default name in the current folder.
fs::path singleTarget(const std::optional<std::string>& output, const std::string& defaultName) {
  if (!output) return defaultName;
  std::error_code ec;
  if (fs::is_directory(*output, ec)) return fs::path(*output) / defaultName;
  return *output;
}

void printWritten(const std::vector<fs::path>& files, const GlobalOptions& options) {
  if (options.json) {
    JSONWriter w;
    w.beginObject().key("files").beginArray();
    for (const fs::path& f : files) w.string(f.string());
    std::cout << w.endArray().endObject().text() << '\n';
    return;
  }
  for (const fs::path& f : files) std::cout << f.string() << '\n';
}

void renderControl(const RenderArguments& args, const GlobalOptions& options) {
  const std::string& name = *args.control;
  std::optional<bool> state;
  if (args.state) {
    if (name != "limit") throw UsageError("--state: only the limit toggle has a state");
    state = *args.state == "on";
  }
  const render::ControlTile tile = controlTile(name, state);
  render::ControlTileRendering rendering;
  rendering.scheme = colorScheme(args.picture);
  rendering.scale = args.picture.scale;
  rendering.format = pictureFormat(args.picture, args.output);
  const fs::path target = singleTarget(args.output, name + render::extension(rendering.format));
  render::renderControlTileToFile(tile, rendering, target);
  printWritten({target}, options);
}

void renderWidget(const RenderArguments& args, const GlobalOptions& options) {
  const bool all = args.family == "all";
  const std::vector<wk::WidgetFamily> families = familiesNamed(args.family);
  // With all three, -o is the folder for them; its name says nothing of the format.
  const render::Format format = pictureFormat(args.picture, all ? std::nullopt : args.output);
  const ui::View view = widgetView(chosenEntry(args.entry));

  const fs::path folder = all ? fs::path(args.output.value_or(".")) : fs::path();
  if (all) fs::create_directories(folder);
  std::vector<fs::path> written;
  for (wk::WidgetFamily family : families) {
    const std::string name = std::string(familyName(family)) + render::extension(format);
    const fs::path target = all ? folder / name : singleTarget(args.output, name);
    render::renderWidgetToFile(
        view, widgetRendering(family, colorScheme(args.picture), format, args.picture.scale), target);
    written.push_back(target);
  }
  printWritten(written, options);
}

}  // namespace

void addRenderCommand(CLI::App& program, CommandRegistry& registry) {
  auto args = std::make_shared<RenderArguments>();
  CLI::App* render = program.add_subcommand(
      "render", "Draw the battery widget for a timeline entry (or the placeholder) as the desktop "
                "shows it, in a tile on a margin of desktop, to PNG, SVG or PDF; or draw a control "
                "as a control surface shows it. Prints each file written; files are replaced in "
                "one step");
  CLI::Option* family =
      render->add_option("--family", args->family, "The size to draw; all: the three sizes into "
                                                   "the folder -o names (default: small)")
          ->type_name("small|medium|large|all")
          ->check(CLI::IsMember({"small", "medium", "large", "all"}).description(""));
  addEntryOptions(*render, args->entry);
  addPictureOptions(*render, args->picture);
  render
      ->add_option_function<std::string>(
          "-o,--output", [args](const std::string& o) { args->output = o; },
          "The file to write, or an existing folder to write into (default: the family's or "
          "the control's name with the format's extension, such as small.png or limit.png, in "
          "the current folder); with --family all, the folder for small.EXT, medium.EXT and "
          "large.EXT (created if missing; default: the current folder)")
      ->type_name("PATH");
  CLI::Option* control =
      render
          ->add_option_function<std::string>(
              "--control", [args](const std::string& c) { args->control = c; },
              "Draw this control's tile instead of the widget: the charge-limit toggle, or the "
              "charge-full or open button")
          ->type_name("limit|full|open")
          ->check(CLI::IsMember({"limit", "full", "open"}).description(""))
          ->excludes(family)
          ->excludes("--entry")
          ->excludes("--placeholder");
  render
      ->add_option_function<std::string>(
          "--state", [args](const std::string& s) { args->state = s; },
          "The toggle's state to draw (default: the state its value provider reads from the "
          "snapshot)")
      ->type_name("on|off")
      ->check(CLI::IsMember({"on", "off"}).description(""))
      ->needs(control);
  render->footer(
      "Examples:\n"
      "  pellora-widgets render --family medium --appearance dark -o medium-dark.png\n"
      "  pellora-widgets --home /tmp/home render --family all --format svg -o pictures\n"
      "  pellora-widgets render --placeholder --family large --scale 3\n"
      "  pellora-widgets render --control limit --state off -o limit-off.png");
  registry.add(render, [args](const GlobalOptions& options) {
    if (args->control) {
      renderControl(*args, options);
    } else {
      renderWidget(*args, options);
    }
  });
}

}  // namespace host
