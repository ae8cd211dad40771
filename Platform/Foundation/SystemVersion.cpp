#include "Platform/Foundation/SystemVersion.hpp"

#include <atomic>
#include <charconv>
#include <cstdint>

namespace fnd {
namespace {

// Both numbers in one word, so that readers never see a half-written version.
std::atomic<std::uint64_t> currentPacked{(std::uint64_t{26} << 32) | 0};

std::uint64_t pack(SystemVersion v) {
  return (std::uint64_t{static_cast<std::uint32_t>(v.major)} << 32) |
         static_cast<std::uint32_t>(v.minor);
}

// Reads one non-empty run of decimal digits; false on anything else or overflow.
bool readNumber(std::string_view& rest, int& out) {
  if (rest.empty() || rest.front() < '0' || rest.front() > '9') return false;
  const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), out);
  if (ec != std::errc{}) return false;
  rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
  return true;
}

bool readDotAndNumber(std::string_view& rest, int& out) {
  if (rest.empty() || rest.front() != '.') return false;
  rest.remove_prefix(1);
  return readNumber(rest, out);
}

}  // namespace

std::optional<SystemVersion> SystemVersion::parse(std::string_view text) {
  SystemVersion v{0, 0};
  int patch = 0;
  if (!readNumber(text, v.major)) return std::nullopt;
  if (!text.empty() && !readDotAndNumber(text, v.minor)) return std::nullopt;
  if (!text.empty() && !readDotAndNumber(text, patch)) return std::nullopt;
  if (!text.empty()) return std::nullopt;
  return v;
}

SystemVersion SystemVersion::current() {
  const std::uint64_t p = currentPacked.load();
  return SystemVersion{static_cast<int>(p >> 32), static_cast<int>(p & 0xffffffffu)};
}

void SystemVersion::setCurrent(SystemVersion version) { currentPacked.store(pack(version)); }

std::string SystemVersion::text() const {
  return std::to_string(major) + "." + std::to_string(minor);
}

bool isAvailable(SystemVersion minimum) { return SystemVersion::current() >= minimum; }

}  // namespace fnd
