// controls: each offered control's kind and template, with the toggle's title, state and value
// label, and each button's label, as the system's control surfaces would show them.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>

#include "Host/Commands.hpp"
#include "Host/HostBundle.hpp"
#include "Host/Output.hpp"

namespace host {
namespace {

void writeLabel(JSONWriter& w, const wk::Label& label) {
  w.key("label").beginObject().key("text").string(label.title.text());
  w.key("symbol").string(label.systemImage).endObject();
}

std::string labelText(const wk::Label& label) {
  return label.title.text() + " (" + label.systemImage + ")";
}

void run(const GlobalOptions& options, bool inPreview) {
  struct Shown {
    std::string kind;
    wk::ControlTemplate shape;
  };
  std::vector<Shown> shown;
  for (const wk::BundleItem& item : offeredItems()) {
    const auto* control = std::get_if<wk::StaticControlConfiguration>(&item);
    if (control == nullptr) continue;
    shown.push_back({control->kind(), inPreview ? control->previewTemplate()
                                                : control->currentTemplate().get()});
  }

  if (options.json) {
    JSONWriter w;
    w.beginObject().key("controls").beginArray();
    for (const Shown& s : shown) {
      w.beginObject().key("kind").string(s.kind).key("template").string(wk::templateName(s.shape));
      if (const auto* toggle = std::get_if<wk::ControlWidgetToggle>(&s.shape)) {
        w.key("title").string(toggle->title.text()).key("isOn").boolean(toggle->isOn);
        writeLabel(w, toggle->currentValueLabel());
      } else {
        writeLabel(w, std::get<wk::ControlWidgetButton>(s.shape).label);
      }
      w.endObject();
    }
    w.endArray().endObject();
    std::cout << w.text() << '\n';
    return;
  }
  if (shown.empty()) {
    std::cout << "no controls on system " << options.osVersion.text() << '\n';
    return;
  }
  for (const Shown& s : shown) {
    std::cout << s.kind << "  " << wk::templateName(s.shape) << '\n';
    if (const auto* toggle = std::get_if<wk::ControlWidgetToggle>(&s.shape)) {
      std::cout << "  title: " << toggle->title.text() << '\n'
                << "  isOn:  " << (toggle->isOn ? "true" : "false") << '\n'
                << "  label: " << labelText(toggle->currentValueLabel()) << '\n';
    } else {
      std::cout << "  label: " << labelText(std::get<wk::ControlWidgetButton>(s.shape).label)
                << '\n';
    }
  }
}

}  // namespace

void addControlsCommand(CLI::App& program, CommandRegistry& registry) {
  CLI::App* controls = program.add_subcommand(
      "controls", "Show each control the bundle offers: its kind and template; for the toggle "
                  "its title, state and value label; for each button its label");
  auto inPreview = std::make_shared<bool>(false);
  controls->add_flag("--in-preview", *inPreview,
                     "Show the controls as previews do (the toggle's preview value)");
  controls->footer("Example:\n  pellora-widgets --home /tmp/home controls --json");
  registry.add(controls, [inPreview](const GlobalOptions& options) { run(options, *inPreview); });
}

}  // namespace host
