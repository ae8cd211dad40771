#include "PelloraShared/Clock.hpp"

#include <mutex>

namespace pellora {

namespace {
std::mutex clockMutex;
ClockSource& source() {
  static ClockSource s;
  return s;
}
}  // namespace

void setClockSource(ClockSource s) {
  std::lock_guard lock(clockMutex);
  source() = std::move(s);
}

Date currentDate() {
  ClockSource s;
  {
    std::lock_guard lock(clockMutex);
    s = source();
  }
  if (s) return s();
  return std::chrono::time_point_cast<Seconds>(std::chrono::system_clock::now());
}

}  // namespace pellora
