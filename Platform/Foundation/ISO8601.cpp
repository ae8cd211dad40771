#include "Platform/Foundation/ISO8601.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace fnd {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct Civil {
  std::int64_t year;
  unsigned month, day;
};

Civil civilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

bool isLeap(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

unsigned daysInMonth(std::int64_t y, unsigned m) {
  static constexpr unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// Reads exactly `count` digits.
bool digits(std::string_view& s, std::size_t count, unsigned& out) {
  if (s.size() < count) return false;
  out = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    out = out * 10 + static_cast<unsigned>(s[i] - '0');
  }
  s.remove_prefix(count);
  return true;
}

bool literal(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<Date> parseISO8601(std::string_view s) {
  unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  double fraction = 0;
  if (!digits(s, 4, year) || !literal(s, '-') || !digits(s, 2, month) || !literal(s, '-') ||
      !digits(s, 2, day) || !literal(s, 'T') || !digits(s, 2, hour) || !literal(s, ':') ||
      !digits(s, 2, minute)) {
    return std::nullopt;
  }
  if (literal(s, ':')) {
    if (!digits(s, 2, second)) return std::nullopt;
    if (literal(s, '.') || literal(s, ',')) {
      double scale = 0.1;
      std::size_t count = 0;
      while (!s.empty() && s.front() >= '0' && s.front() <= '9') {
        fraction += (s.front() - '0') * scale;
        scale /= 10;
        s.remove_prefix(1);
        ++count;
      }
      if (count == 0) return std::nullopt;
    }
  }
  if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23 ||
      minute > 59 || second > 59) {
    return std::nullopt;
  }

  // The zone: "Z", or the offset of local time from UTC.
  std::int64_t offsetSeconds = 0;
  if (!literal(s, 'Z')) {
    int sign = 0;
    if (literal(s, '+')) sign = 1;
    else if (literal(s, '-')) sign = -1;
    else return std::nullopt;
    unsigned offHours = 0, offMinutes = 0;
    if (!digits(s, 2, offHours)) return std::nullopt;
    if (literal(s, ':')) {
      if (!digits(s, 2, offMinutes)) return std::nullopt;
    } else if (!s.empty()) {
      if (!digits(s, 2, offMinutes)) return std::nullopt;
    }
    if (offHours > 23 || offMinutes > 59) return std::nullopt;
    offsetSeconds = sign * static_cast<std::int64_t>(offHours * 3600 + offMinutes * 60);
  }
  if (!s.empty()) return std::nullopt;

  const std::int64_t days = daysFromCivil(year, month, day);
  const std::int64_t whole = days * 86400 + hour * 3600 + minute * 60 + second - offsetSeconds;
  return dateFromSeconds(static_cast<double>(whole) + fraction);
}

std::string formatISO8601(Date date) {
  const double total = secondsSince1970(date);
  // Beyond the years 0000 to 9999 ISO 8601 has no four-digit form; show the count instead.
  if (!std::isfinite(total) || total < -62167219200.0 || total >= 253402300800.0) {
    char number[64];
    const auto [end, ec] = std::to_chars(number, number + sizeof number, total);
    return std::string(number, ec == std::errc{} ? end : number) + " s";
  }
  double whole = std::floor(total);
  auto millis = static_cast<long>(std::lround((total - whole) * 1000.0));
  if (millis == 1000) {
    whole += 1;
    millis = 0;
  }
  const auto seconds = static_cast<std::int64_t>(whole);
  std::int64_t days = seconds / 86400;
  std::int64_t rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    days -= 1;
  }
  const Civil c = civilFromDays(days);
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, "%04lld-%02u-%02uT%02lld:%02lld:%02lld",
                              static_cast<long long>(c.year), c.month, c.day,
                              static_cast<long long>(rest / 3600),
                              static_cast<long long>(rest / 60 % 60),
                              static_cast<long long>(rest % 60));
  std::string text(buffer, static_cast<std::size_t>(n));
  if (millis != 0) {
    std::snprintf(buffer, sizeof buffer, ".%03ld", millis);
    text += buffer;
  }
  return text + "Z";
}

}  // namespace fnd
