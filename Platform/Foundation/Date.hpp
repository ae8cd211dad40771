#pragma once
// A point in time: a 64-bit floating-point count of seconds since 1970-01-01 00:00:00 UTC.
// The same type as the shared module's pellora::Date, so the two interchange freely.
#include <chrono>

namespace fnd {

using Seconds = std::chrono::duration<double>;
using Date = std::chrono::time_point<std::chrono::system_clock, Seconds>;

constexpr Date dateFromSeconds(double secondsSince1970) { return Date{Seconds{secondsSince1970}}; }
constexpr double secondsSince1970(Date date) { return date.time_since_epoch().count(); }

}  // namespace fnd
