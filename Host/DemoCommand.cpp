// demo: the widget on the built-in placeholder snapshot in its three sizes, light and dark,
// and the control tiles (the limit toggle on and off, the two buttons), drawn into one folder.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Host/Commands.hpp"
#include "Host/ControlPicture.hpp"
#include "Host/HostBundle.hpp"
#include "Host/Output.hpp"
#include "Host/PictureOptions.hpp"
#include "Host/WidgetPicture.hpp"

namespace host {
namespace {

namespace fs = std::filesystem;

struct Appearance {
  const char* name;
  ui::ColorScheme scheme;
};
constexpr Appearance appearances[] = {{"light", ui::ColorScheme::light},
                                      {"dark", ui::ColorScheme::dark}};

struct ControlPicture {
  const char* file;
  const char* control;
  std::optional<bool> state;
};
const ControlPicture controlPictures[] = {
    {"limit-on.png", "limit", true},
    {"limit-off.png", "limit", false},
    {"full.png", "full", std::nullopt},
    {"open.png", "open", std::nullopt},
};

void run(const fs::path& folder, const GlobalOptions& options) {
  fs::create_directories(folder);
  std::vector<fs::path> written;

  const ui::View view = widgetView(batteryWidget().provider().placeholder({}));
  for (wk::WidgetFamily family : desktopFamilies) {
    for (const Appearance& a : appearances) {
      const fs::path target =
          folder / (std::string(familyName(family)) + "-" + a.name + ".png");
      render::renderWidgetToFile(view, widgetRendering(family, a.scheme, render::Format::png, 2),
                                 target);
      written.push_back(target);
    }
  }
  // Controls exist only where the running system offers them.
  if (offeredControl(controlKind("limit"))) {
    for (const ControlPicture& c : controlPictures) {
      const fs::path target = folder / c.file;
      render::renderControlTileToFile(controlTile(c.control, c.state), {}, target);
      written.push_back(target);
    }
  }

  if (options.json) {
    JSONWriter w;
    w.beginObject().key("folder").string(folder.string()).key("files").beginArray();
    for (const fs::path& f : written) w.string(f.string());
    std::cout << w.endArray().endObject().text() << '\n';
    return;
  }
  for (const fs::path& f : written) std::cout << f.string() << '\n';
}

}  // namespace

void addDemoCommand(CLI::App& program, CommandRegistry& registry) {
  auto folder = std::make_shared<std::string>("pellora-demo");
  CLI::App* demo = program.add_subcommand(
      "demo", "Draw the widget on the built-in placeholder snapshot in all three sizes, light "
              "and dark, and the control tiles (limit on, limit off, full, open) as PNGs into a "
              "folder; prints each file written");
  demo->add_option("-o,--output", *folder,
                   "The folder to draw into, created if missing (default: pellora-demo in the "
                   "current folder)")
      ->type_name("DIR");
  demo->footer(
      "Examples:\n"
      "  pellora-widgets demo\n"
      "  pellora-widgets --now 2025-12-09T10:00:00Z demo -o /tmp/pellora-demo");
  registry.add(demo, [folder](const GlobalOptions& options) { run(*folder, options); });
}

}  // namespace host
