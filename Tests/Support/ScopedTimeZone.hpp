#pragma once
// Sets the process's time zone (TZ) for a scope and puts the old one back: local clock times
// in a test are then the same on every machine.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace testing {

class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const std::string& zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    ::setenv("TZ", zone.c_str(), 1);
    ::tzset();
  }
  ~ScopedTimeZone() {
    if (saved_) ::setenv("TZ", saved_->c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
  }
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> saved_;
};

}  // namespace testing
