#include "Platform/Foundation/Clock.hpp"

#include <mutex>

namespace fnd {
namespace {

enum class Mode { system, fixed, simulated };

struct ClockState {
  Mode mode = Mode::system;
  Date start{};                                   // fixed time, or simulated start
  double speed = 1.0;                             // simulated only
  std::chrono::steady_clock::time_point anchor{}; // real moment at which `start` was set
};

std::mutex& stateMutex() {
  static std::mutex m;
  return m;
}
ClockState& state() {
  static ClockState s;
  return s;
}

Date systemNow() {
  return std::chrono::time_point_cast<Seconds>(std::chrono::system_clock::now());
}

}  // namespace

Date Clock::now() {
  std::lock_guard lock(stateMutex());
  const ClockState& s = state();
  switch (s.mode) {
    case Mode::fixed:
      return s.start;
    case Mode::simulated: {
      const Seconds real = std::chrono::steady_clock::now() - s.anchor;
      return s.start + Seconds{real.count() * s.speed};
    }
    case Mode::system:
      break;
  }
  return systemNow();
}

void Clock::useSystem() {
  std::lock_guard lock(stateMutex());
  state() = ClockState{};
}

void Clock::setFixed(Date at) {
  std::lock_guard lock(stateMutex());
  state() = ClockState{Mode::fixed, at, 1.0, {}};
}

void Clock::setSimulated(Date start, double speed) {
  std::lock_guard lock(stateMutex());
  state() = ClockState{Mode::simulated, start, speed, std::chrono::steady_clock::now()};
}

}  // namespace fnd
