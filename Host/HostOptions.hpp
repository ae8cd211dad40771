#pragma once
// The program's global options and how they are put in place before a command runs: the home
// directory that the user database reports, the clock, the running system's version.
#include <optional>
#include <string>
#include <string_view>

#include "Platform/Foundation/Date.hpp"
#include "Platform/Foundation/SystemVersion.hpp"

namespace CLI {
class App;
}

namespace host {

struct GlobalOptions {
  std::optional<std::string> home;  // absent: the real one
  std::optional<fnd::Date> now;     // absent: the system clock
  fnd::SystemVersion osVersion{26, 0};
  bool json = false;
};

// Adds --home, --now, --os-version and --json to `program`; their values land in `options`
// once the command line is parsed. Unusable values are usage errors of the parser.
void addGlobalOptions(CLI::App& program, GlobalOptions& options);

// Puts the options in place: the user database's home directory, the widget's sandbox over the
// store's folder below it, the platform's clock (which the shared module's clock follows too,
// so the placeholder is dated by it), the system version.
void apply(const GlobalOptions& options);

// "--now" values: seconds since 1970 ("1765274400", "1765274400.5", "-60") or ISO 8601 with a
// zone ("2025-12-09T10:00:00Z", "2025-12-09T11:00:00+01:00").
std::optional<fnd::Date> parseTimeArgument(std::string_view text);

}  // namespace host
