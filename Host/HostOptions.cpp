#include "Host/HostOptions.hpp"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <filesystem>

#include "App/Widget/SandboxedFiles.hpp"
#include "PelloraShared/Clock.hpp"
#include "PelloraShared/UserDatabase.hpp"
#include "Platform/Foundation/Clock.hpp"
#include "Platform/Foundation/ISO8601.hpp"

namespace host {
namespace {

// Seconds within the years 0000 to 9999, the range ISO 8601 writes with four digits.
constexpr double earliestSeconds = -62167219200.0;
constexpr double latestSeconds = 253402300799.0;

std::optional<double> parseSeconds(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') return std::nullopt;  // from_chars would refuse it anyway; be explicit
  double value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc{} || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<fnd::Date> parseTimeArgument(std::string_view text) {
  std::optional<fnd::Date> date;
  if (const auto seconds = parseSeconds(text)) {
    date = fnd::dateFromSeconds(*seconds);
  } else {
    date = fnd::parseISO8601(text);
  }
  if (!date) return std::nullopt;
  const double s = fnd::secondsSince1970(*date);
  if (s < earliestSeconds || s > latestSeconds) return std::nullopt;
  return date;
}

void addGlobalOptions(CLI::App& program, GlobalOptions& options) {
  program
      .add_option_function<std::string>(
          "--home",
          [&options](const std::string& dir) {
            options.home = std::filesystem::absolute(dir).lexically_normal().string();
          },
          "The home directory that the user database reports (default: the real one)")
      ->type_name("DIR")
      ->check(CLI::Validator(
          [](std::string& dir) -> std::string {
            std::error_code ec;
            if (std::filesystem::is_directory(dir, ec)) return {};
            return "\"" + dir + "\" is not a directory";
          },
          "", ""));

  program
      .add_option_function<std::string>(
          "--now",
          [&options](const std::string& text) { options.now = parseTimeArgument(text); },
          "The clock: seconds since 1970, or ISO 8601 with a zone such as 2025-12-09T10:00:00Z "
          "or 2025-12-09T11:00:00+01:00 (default: the system clock)")
      ->type_name("TIME")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (parseTimeArgument(text)) return {};
            return "\"" + text +
                   "\" is neither seconds since 1970 nor an ISO 8601 time with a zone "
                   "(e.g. 2025-12-09T10:00:00Z)";
          },
          "", ""));

  program
      .add_option_function<std::string>(
          "--os-version",
          [&options](const std::string& text) {
            options.osVersion = *fnd::SystemVersion::parse(text);
          },
          "The running system's version, major.minor (default: 26.0); controls are offered "
          "from 26.0 on")
      ->type_name("X.Y")
      ->check(CLI::Validator(
          [](std::string& text) -> std::string {
            if (fnd::SystemVersion::parse(text)) return {};
            return "\"" + text + "\" is not a version such as 26.0 or 15.7";
          },
          "", ""));

  program.add_flag("--json", options.json, "Print JSON instead of text");
}

void apply(const GlobalOptions& options) {
  if (options.home) {
    pellora::setUserDatabaseLookup([home = *options.home] {
      return std::optional(pellora::UserDatabaseEntry{home});
    });
  }
  // The extension reads only what its sandbox grants: the store's folder below that home.
  pellora::confineSnapshotReads();
  if (options.now) {
    fnd::Clock::setFixed(*options.now);
  } else {
    fnd::Clock::useSystem();
  }
  pellora::setClockSource([] { return fnd::Clock::now(); });
  fnd::SystemVersion::setCurrent(options.osVersion);
}

}  // namespace host
