#pragma once
// The platform's clock. Everything above the platform asks it for "now" instead of the system
// clock, so that a host or a test can fix the time or let it run from a chosen start at a
// chosen speed. All members are safe to call from any thread.
#include "Platform/Foundation/Date.hpp"

namespace fnd {

class Clock {
 public:
  // The current time by the clock that is in place.
  static Date now();

  // The system's real-time clock (the default).
  static void useSystem();
  // Always `at`.
  static void setFixed(Date at);
  // `start` at the moment of this call, then running `speed` times as fast as real time
  // (measured on a monotonic clock, so changes of the system time do not disturb it).
  // A speed of 0 stands still; a negative speed runs backwards.
  static void setSimulated(Date start, double speed);

  Clock() = delete;
};

// Puts a fixed time in place for the lifetime of the object and restores the system clock
// afterwards; for tests.
class FixedClockScope {
 public:
  explicit FixedClockScope(Date at) { Clock::setFixed(at); }
  ~FixedClockScope() { Clock::useSystem(); }
  FixedClockScope(const FixedClockScope&) = delete;
  FixedClockScope& operator=(const FixedClockScope&) = delete;
};

}  // namespace fnd
