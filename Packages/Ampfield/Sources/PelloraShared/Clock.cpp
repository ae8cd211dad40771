#include "PelloraShared/Clock.hpp"

#include "Replaceable.hpp"

namespace pellora {

namespace {
detail::Replaceable<ClockSource>& source() {
  static detail::Replaceable<ClockSource> s;
  return s;
}
}  // namespace

void setClockSource(ClockSource s) { source().set(std::move(s)); }

Date currentDate() {
  if (const auto s = source().get()) return (*s)();
  return std::chrono::time_point_cast<Seconds>(std::chrono::system_clock::now());
}

}  // namespace pellora
