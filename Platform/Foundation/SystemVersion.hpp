#pragma once
// The running operating system's version, as far as availability checks are concerned:
// major.minor, compared in that order. The host sets it (the default is 26.0).
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace fnd {

struct SystemVersion {
  int major = 26;
  int minor = 0;

  // "26", "26.0" or "15.7.1" (a patch number is accepted and ignored); no value for anything
  // else, including signs, spaces and empty parts.
  static std::optional<SystemVersion> parse(std::string_view text);

  // The version that the process runs on; safe from any thread.
  static SystemVersion current();
  static void setCurrent(SystemVersion version);

  // "26.0"
  std::string text() const;

  auto operator<=>(const SystemVersion&) const = default;
};

// Whether the running system is `minimum` or later.
bool isAvailable(SystemVersion minimum);

}  // namespace fnd
