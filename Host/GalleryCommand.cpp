// gallery: what the bundle offers on the running system, in its order, as a widget gallery
// would list it.
#include <CLI/CLI.hpp>

#include <iostream>

#include "Host/Commands.hpp"
#include "Host/HostBundle.hpp"
#include "Host/Output.hpp"

namespace host {
namespace {

void writeJSON(const std::vector<wk::BundleItem>& items) {
  JSONWriter w;
  w.beginObject().key("items").beginArray();
  for (const wk::BundleItem& item : items) {
    w.beginObject().key("type").string(wk::itemType(item)).key("kind").string(wk::kind(item));
    if (const auto* widget = std::get_if<wk::StaticConfiguration>(&item)) {
      w.key("displayName").string(widget->displayName().text());
      w.key("description").string(widget->description().text());
      w.key("families").beginArray();
      for (wk::WidgetFamily f : widget->supportedFamilies()) w.string(wk::toString(f));
      w.endArray();
    } else {
      const auto& control = std::get<wk::StaticControlConfiguration>(item);
      w.key("displayName").string(control.displayName().text());
      w.key("description").string(control.description().text());
    }
    w.endObject();
  }
  w.endArray().endObject();
  std::cout << w.text() << '\n';
}

void writeText(const std::vector<wk::BundleItem>& items) {
  for (const wk::BundleItem& item : items) {
    std::cout << wk::itemType(item) << "  " << wk::kind(item) << '\n';
    if (const auto* widget = std::get_if<wk::StaticConfiguration>(&item)) {
      std::cout << "  display name: " << widget->displayName().text() << '\n'
                << "  description:  " << widget->description().text() << '\n'
                << "  families:     ";
      const char* separator = "";
      for (wk::WidgetFamily f : widget->supportedFamilies()) {
        std::cout << separator << wk::toString(f);
        separator = ", ";
      }
      std::cout << '\n';
    } else {
      const auto& control = std::get<wk::StaticControlConfiguration>(item);
      std::cout << "  display name: " << control.displayName().text() << '\n'
                << "  description:  " << control.description().text() << '\n';
    }
  }
}

void run(const GlobalOptions& options) {
  const std::vector<wk::BundleItem> items = offeredItems();
  if (options.json) {
    writeJSON(items);
  } else {
    writeText(items);
  }
}

}  // namespace

void addGalleryCommand(CLI::App& program, CommandRegistry& registry) {
  CLI::App* gallery = program.add_subcommand(
      "gallery", "List the widget and the controls that the bundle offers, in order");
  gallery->footer("Example:\n  pellora-widgets --os-version 15.7 gallery --json");
  registry.add(gallery, run);
}

}  // namespace host
