// watch: the live widget host. Renders the battery widget's timeline into PNG files as its
// entries come due, follows the reload policy and the snapshot file, until stopped.
#include <CLI/CLI.hpp>

#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "Host/Commands.hpp"
#include "Host/PictureOptions.hpp"
#include "Host/WatchLoop.hpp"
#include "Platform/Foundation/Clock.hpp"

namespace host {
namespace {

struct WatchArguments {
  std::string family = "all";
  std::string output;
  PictureOptions picture;
  std::optional<double> speed;
  std::optional<std::string> until;
  std::optional<std::size_t> exitAfter;
};

// The watch runs a live clock: from --now (or the system time) at --speed times real time.
// Without either it follows the system clock itself.
double startClock(const GlobalOptions& options, const WatchArguments& args) {
  fnd::Clock::useSystem();
  if (!options.now && !args.speed) return 1;
  const fnd::Date start = options.now.value_or(fnd::Clock::now());
  const double speed = args.speed.value_or(1);
  fnd::Clock::setSimulated(start, speed);
  return speed;
}

void run(const GlobalOptions& options, const WatchArguments& args) {
  watch::WatchSettings settings;
  settings.families = familiesNamed(args.family);
  settings.output = args.output;
  settings.scheme = colorScheme(args.picture);
  settings.scale = args.picture.scale;
  settings.exitAfter = args.exitAfter;
  settings.json = options.json;
  if (args.until) settings.until = parseTimeArgument(*args.until);
  settings.speed = startClock(options, args);
  watch::watch(settings);
}

}  // namespace

void addWatchCommand(CLI::App& program, CommandRegistry& registry) {
  auto args = std::make_shared<WatchArguments>();
  CLI::App* watch = program.add_subcommand(
      "watch", "Host the battery widget live: render each timeline entry to DIR/<family>.png "
               "when its date comes, ask the provider again as its reload policy says or when "
               "the snapshot file changes, and log each render and reload on stderr; stop with "
               "Ctrl-C or SIGTERM");
  watch->add_option("-o,--output", args->output, "The folder for small.png, medium.png and "
                                                 "large.png (created if missing)")
      ->type_name("DIR")
      ->required();
  watch->add_option("--family", args->family, "The size to render (default: all)")
      ->type_name("small|medium|large|all")
      ->check(CLI::IsMember({"small", "medium", "large", "all"}));
  addAppearanceAndScaleOptions(*watch, args->picture);
  watch
      ->add_option_function<double>(
          "--speed", [args](double v) { args->speed = v; },
          "Run the clock N times as fast as real time, from --now (or from the present); a "
          "whole timeline passes in 55/N minutes")
      ->type_name("N")
      ->check(positiveNumber(std::numeric_limits<double>::max(), "a speed above 0"));
  watch
      ->add_option_function<std::string>(
          "--until", [args](const std::string& v) { args->until = v; },
          "Stop once the clock reaches TIME (same forms as --now), after what is due by then")
      ->type_name("TIME")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (parseTimeArgument(text)) return {};
            return "\"" + text + "\" is neither seconds since 1970 nor an ISO 8601 time with a "
                                 "zone";
          },
          "", ""));
  watch
      ->add_option_function<std::size_t>(
          "--exit-after", [args](std::size_t n) { args->exitAfter = n; }, "Stop after N renders")
      ->type_name("N")
      ->check(CLI::Range(std::size_t{1}, std::numeric_limits<std::size_t>::max()));
  watch->footer(
      "Each render replaces its file in one step (a temporary file renamed over it), so a "
      "viewer never sees half a picture.\n"
      "Examples:\n"
      "  pellora-widgets watch -o ~/widgets\n"
      "  pellora-widgets --home /tmp/home --now 2025-12-09T10:00:00Z watch --speed 60 "
      "--family small --appearance dark -o /tmp/widgets");
  registry.add(watch, [args](const GlobalOptions& options) { run(options, *args); });
}

}  // namespace host
