// tree: the battery widget's view tree for one entry, as indented text or JSON: each node's
// type, properties, modifiers and children; with --layout, laid out as render lays it out,
// with each node's frame in points of the rendered picture.
#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "Host/Commands.hpp"
#include "Host/EntryChoice.hpp"
#include "Host/PictureOptions.hpp"
#include "Host/WidgetPicture.hpp"
#include "Platform/Layout/LayoutDump.hpp"
#include "Platform/Render/PangoMeasurer.hpp"
#include "Platform/UI/Dump.hpp"

namespace host {
namespace {

struct TreeArguments {
  std::string family = "small";
  EntryChoice entry;
  std::optional<ui::Size> size;
  bool layout = false;
  PictureOptions picture;
};

std::optional<double> positiveLength(std::string_view text) {
  double value = 0;
  const char* last = text.data() + text.size();
  const auto [end, ec] = std::from_chars(text.data(), last, value);
  if (ec != std::errc{} || end != last || !std::isfinite(value) || value < 0) return std::nullopt;
  return value;
}

// "138x138", "328.5x150": width and height in points.
std::optional<ui::Size> parseSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto w = positiveLength(text.substr(0, x)), h = positiveLength(text.substr(x + 1));
  if (!w || !h) return std::nullopt;
  return ui::Size{*w, *h};
}

void run(const TreeArguments& args, const GlobalOptions& options) {
  const render::WidgetRendering rendering = widgetRendering(
      *familyNamed(args.family), colorScheme(args.picture), render::Format::png, args.picture.scale);
  const ui::View view = widgetView(chosenEntry(args.entry));
  std::string out;
  if (args.layout) {
    const render::PangoMeasurer measurer;
    const layout::LayoutNode tree = layoutInPicture(view, rendering, measurer);
    out = options.json ? layout::dumpJSON(tree).serialize() : layout::dumpText(tree);
  } else {
    ui::DumpOptions dump;
    dump.geometrySize = args.size.value_or(contentRectangle(rendering).size());
    dump.environment = rootEnvironment(rendering);
    out = options.json ? ui::dumpJSON(view, dump).serialize() : ui::dumpText(view, dump);
  }
  std::cout << out << (out.ends_with('\n') ? "" : "\n");
}

}  // namespace

void addTreeCommand(CLI::App& program, CommandRegistry& registry) {
  auto args = std::make_shared<TreeArguments>();
  CLI::App* tree = program.add_subcommand(
      "tree", "Print the battery widget's view tree for a timeline entry (or the placeholder) in "
              "a family: each node's type, properties, modifiers in the order applied, and "
              "children; as indented text, or JSON with --json");
  tree->add_option("--family", args->family, "The size whose view to build (default: small)")
      ->type_name("small|medium|large")
      ->check(CLI::IsMember({"small", "medium", "large"}).description(""));
  addEntryOptions(*tree, args->entry);
  CLI::Option* layoutFlag = tree->add_flag(
      "--layout", args->layout,
      "Lay the tree out as render does and give every node its frame "
      "(\"frame\":{\"x\",\"y\",\"width\",\"height\"}) in points of the rendered picture, tile "
      "and desktop margin included: times the scale, a frame is the picture's pixels that "
      "show the node");
  tree->add_option_function<std::string>(
          "--size",
          [args](const std::string& text) { args->size = parseSize(text); },
          "The size at which geometry readers are evaluated, in points (default: the family's "
          "content size, such as 138x138 for small)")
      ->type_name("WxH")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (parseSize(text)) return {};
            return "\"" + text + "\" is not a size such as 138x138";
          },
          "", ""))
      ->excludes(layoutFlag);
  tree->add_option("--appearance", args->picture.appearance,
                   "The appearance in the root's environment (default: light)")
      ->type_name("light|dark")
      ->check(CLI::IsMember({"light", "dark"}).description(""));
  tree->footer(
      "Examples:\n"
      "  pellora-widgets tree --placeholder --family medium\n"
      "  pellora-widgets --home /tmp/home tree --entry 3 --family large --json\n"
      "  pellora-widgets tree --placeholder --layout --json");
  registry.add(tree, [args](const GlobalOptions& options) { run(*args, options); });
}

}  // namespace host
