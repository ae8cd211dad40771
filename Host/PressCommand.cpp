// press limit --on|--off, press full, press open: works a control as the user would. The
// platform runs the control's intent and opens the URL that the intent returns: with
// xdg-open, with the words of --open-with (executed directly, never through a shell, the URL
// as the last argument), or, with --print, by printing it.
#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <sstream>

#include "App/Widget/PelloraControls.hpp"
#include "Host/Commands.hpp"
#include "Host/HostBundle.hpp"
#include "Host/Output.hpp"
#include "Platform/Foundation/URLOpener.hpp"
#include "Platform/WidgetKit/ControlActions.hpp"

namespace host {
namespace {

struct PressOptions {
  std::string openWith;
  bool print = false;
  bool on = false;
  bool off = false;
};

std::vector<std::string> words(const std::string& command) {
  std::istringstream in(command);
  std::vector<std::string> result;
  for (std::string word; in >> word;) result.push_back(word);
  return result;
}

fnd::URLOpener opener(const PressOptions& p) {
  if (p.print) return fnd::URLOpener::printer(std::cout);
  if (p.openWith.empty()) return fnd::URLOpener::systemDefault();
  const std::vector<std::string> handler = words(p.openWith);
  if (handler.empty()) throw UsageError("--open-with: give a program to run");
  return fnd::URLOpener::handler(handler);
}

wk::ControlTemplate currentTemplate(const std::string& kind, const GlobalOptions& options) {
  const std::optional<wk::StaticControlConfiguration> control = offeredControl(kind);
  if (!control) {
    throw std::runtime_error("the control " + kind + " is not offered on system " +
                             options.osVersion.text());
  }
  return control->currentTemplate().get();
}

void open(std::future<std::optional<fnd::URL>> intentRun, const PressOptions& p,
          const GlobalOptions& options) {
  const fnd::URLOpener urlOpener = opener(p);  // usage errors before anything runs
  const std::optional<fnd::URL> url = intentRun.get();
  if (!url) throw std::runtime_error("the control's intent asked to open nothing");
  if (options.json && p.print) {
    JSONWriter w;
    w.beginObject().key("url").string(url->absoluteString()).key("opened").boolean(false);
    std::cout << w.endObject().text() << '\n';
    return;
  }
  urlOpener.open(*url);
  if (options.json) {
    JSONWriter w;
    w.beginObject().key("url").string(url->absoluteString()).key("opened").boolean(true);
    std::cout << w.endObject().text() << '\n';
  }
}

void pressButton(const std::string& kind, const PressOptions& p, const GlobalOptions& options) {
  const wk::ControlTemplate t = currentTemplate(kind, options);
  const auto* button = std::get_if<wk::ControlWidgetButton>(&t);
  if (button == nullptr) throw std::logic_error("the control " + kind + " is no button");
  open(wk::press(*button), p, options);
}

}  // namespace

void addPressCommand(CLI::App& program, CommandRegistry& registry) {
  auto p = std::make_shared<PressOptions>();
  CLI::App* press = program.add_subcommand(
      "press", "Work a control: run its intent and open the command URL it returns");
  press->require_subcommand(1);
  CLI::Option* openWith =
      press->add_option("--open-with", p->openWith,
                        "Open the URL with this command's words, the URL as the last argument "
                        "(run directly, not through a shell; default: xdg-open)")
          ->type_name("CMD");
  press->add_flag("--print", p->print, "Print the URL instead of opening it")->excludes(openWith);
  press->footer(
      "Examples:\n"
      "  pellora-widgets press limit --on --print\n"
      "  pellora-widgets press full --open-with \"gio open\"");

  CLI::App* limit = press->add_subcommand("limit", "Flip the charge-limit toggle to on or off");
  CLI::Option* on = limit->add_flag("--on", p->on, "Turn the charge limit on");
  limit->add_flag("--off", p->off, "Turn the charge limit off")->excludes(on);
  limit->footer(
      "Example:\n  pellora-widgets press limit --off --print\n"
      "(--open-with and --print are options of press; see pellora-widgets press --help)");
  registry.add(limit, [p](const GlobalOptions& options) {
    if (!p->on && !p->off) throw UsageError("press limit: give --on or --off");
    const std::string kind = pellora::ChargeLimitControl::kind();
    const wk::ControlTemplate t = currentTemplate(kind, options);
    const auto* toggle = std::get_if<wk::ControlWidgetToggle>(&t);
    if (toggle == nullptr) throw std::logic_error("the control " + kind + " is no toggle");
    open(wk::flip(*toggle, p->on), *p, options);
  });

  CLI::App* full = press->add_subcommand("full", "Press the charge-to-100%-once button");
  full->footer(
      "Example:\n  pellora-widgets press full --print\n"
      "(--open-with and --print are options of press; see pellora-widgets press --help)");
  registry.add(full, [p](const GlobalOptions& options) {
    pressButton(pellora::ChargeFullControl::kind(), *p, options);
  });

  CLI::App* openButton = press->add_subcommand("open", "Press the open-Pellora button");
  openButton->footer(
      "Example:\n  pellora-widgets press open --open-with xdg-open\n"
      "(--open-with and --print are options of press; see pellora-widgets press --help)");
  registry.add(openButton, [p](const GlobalOptions& options) {
    pressButton(pellora::OpenPelloraControl::kind(), *p, options);
  });
}

}  // namespace host
