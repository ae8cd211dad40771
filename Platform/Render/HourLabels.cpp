#include "Platform/Render/HourLabels.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "Platform/Render/HourTable.hpp"

namespace render {

namespace {

const char* firstSet(std::initializer_list<const char*> names) {
  for (const char* n : names) {
    const char* v = std::getenv(n);
    if (v && *v) return v;
  }
  return nullptr;
}

const LocaleHours* exactly(std::string_view name) {
  const LocaleHours* end = localeHours + localeHoursCount;
  const LocaleHours* it = std::lower_bound(localeHours, end, name,
                                           [](const LocaleHours& row, std::string_view n) { return row.locale < n; });
  return it != end && it->locale == name ? it : nullptr;
}

// The locale's row, or its parent's as ICU falls back ("de_CH_x" → "de_CH" → "de"), or root's.
const LocaleHours& rowFor(std::string name) {
  for (;;) {
    if (const LocaleHours* row = exactly(name)) return *row;
    const auto cut = name.rfind('_');
    if (cut == std::string::npos) break;
    name.erase(cut);
  }
  return *exactly("root");
}

// The local time of `t` by the C library, which follows TZ, else the system's zone.
std::tm localTime(double t) {
  const auto seconds = static_cast<std::time_t>(std::floor(t));
  std::tm local{};
  ::localtime_r(&seconds, &local);
  return local;
}

// The n-th digit of a table row's digits (each one UTF-8 sequence).
std::string_view digit(const char* digits, int n) {
  std::string_view rest(digits);
  for (int i = 0;; ++i) {
    std::size_t length = 1;
    while (length < rest.size() && (static_cast<unsigned char>(rest[length]) & 0xC0) == 0x80) ++length;
    if (i == n || length >= rest.size()) return rest.substr(0, length);
    rest.remove_prefix(length);
  }
}

}  // namespace

std::string userTimeLocale() {
  const char* v = firstSet({"LC_ALL", "LC_TIME", "LANG"});
  std::string name = v ? v : "";
  // "de_DE.UTF-8@euro": the language and region only.
  const auto cut = name.find_first_of(".@");
  if (cut != std::string::npos) name.erase(cut);
  if (name.empty() || name == "C" || name == "POSIX") return "en_US_POSIX";
  return name;
}

HourFormatter::HourFormatter(const std::string& locale) : row_(&rowFor(locale)) {}

std::string HourFormatter::label(double secondsSince1970) const {
  const LocaleHours& row = *row_;
  const int hour = localTime(secondsSince1970).tm_hour;
  std::string out;
  const std::string_view pattern(row.pattern);
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    // Quoted text is copied as it stands; '' is a quote.
    if (c == '\'') {
      const auto close = pattern.find('\'', i + 1);
      if (close == i + 1) out += '\'';
      else out += pattern.substr(i + 1, (close == std::string_view::npos ? pattern.size() : close) - i - 1);
      i = close == std::string_view::npos ? pattern.size() : close + 1;
      continue;
    }
    std::size_t width = 1;
    while (i + width < pattern.size() && pattern[i + width] == c) ++width;
    int value = -1;
    switch (c) {
      case 'H': value = hour; break;                             // 0–23
      case 'k': value = hour == 0 ? 24 : hour; break;            // 1–24
      case 'K': value = hour % 12; break;                        // 0–11
      case 'h': value = hour % 12 == 0 ? 12 : hour % 12; break;  // 1–12
      case 'a': out += hour < 12 ? row.am : row.pm; break;
      default: out += pattern.substr(i, width); break;
    }
    if (value >= 0) {
      // Two digits where the field is doubled ("HH": 06), in the locale's own digits.
      if (width >= 2 && value < 10) out += digit(row.digits, 0);
      if (value >= 10) out += digit(row.digits, value / 10);
      out += digit(row.digits, value % 10);
    }
    i += width;
  }
  return out;
}

std::string HourFormatter::pattern() const { return row_->pattern; }

std::vector<double> HourFormatter::marks(double from, double to, int hours) const {
  std::vector<double> out;
  if (hours <= 0 || !(to >= from) || !std::isfinite(from) || !std::isfinite(to)) return out;
  // Times the C library cannot hold have no local clock to fall on.
  constexpr double limit = 1e15;
  if (std::abs(from) > limit || std::abs(to) > limit) return out;
  // Start at the local midnight of `from`'s day and step through the hours, so that the marks
  // fall on the clock's multiples of `hours` (a day with a clock change included).
  std::tm midnight = localTime(from);
  midnight.tm_hour = midnight.tm_min = midnight.tm_sec = 0;
  midnight.tm_isdst = -1;
  const std::time_t start = std::mktime(&midnight);
  // At most a hundred thousand hours (eleven years) are looked at.
  double t = double(start);
  for (int guard = 0; guard < 100000 && t <= to; ++guard, t += 3600) {
    if (t >= from && localTime(t).tm_hour % hours == 0) out.push_back(t);
  }
  return out;
}

}  // namespace render
