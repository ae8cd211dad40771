#include "Platform/Render/HourLabels.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

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

// A locale name as the table spells it: "_" between parts ("en-US" is "en_US"), the language in
// lower case, a script in title case, a region in upper case, and the old codes of a few
// languages replaced by their present ones, as ICU reads them ("iw_IL" is "he_IL").
std::string canonical(std::string name) {
  std::replace(name.begin(), name.end(), '-', '_');
  std::size_t start = 0;
  for (int part = 0; start <= name.size(); ++part) {
    const std::size_t end = std::min(name.find('_', start), name.size());
    for (std::size_t i = start; i < end; ++i) {
      const bool upper = part > 0 && (end - start != 4 || i == start);
      const auto c = static_cast<unsigned char>(name[i]);
      name[i] = char(upper ? std::toupper(c) : std::tolower(c));
    }
    start = end + 1;
  }
  static constexpr std::pair<std::string_view, std::string_view> renamed[] = {
      {"in", "id"}, {"iw", "he"}, {"ji", "yi"}, {"jw", "jv"}, {"mo", "ro"}, {"tl", "fil"}};
  const std::string_view language = std::string_view(name).substr(0, name.find('_'));
  for (const auto& [old, now] : renamed)
    if (language == old) return std::string(now) + name.substr(language.size());
  return name;
}

// The locale's row, or its parent's as ICU falls back ("de_CH_x" → "de_CH" → "de"), or root's.
const LocaleHours& rowFor(const std::string& locale) {
  std::string name = canonical(locale);
  for (;;) {
    if (const LocaleHours* row = exactly(name)) return *row;
    const auto cut = name.rfind('_');
    if (cut == std::string::npos) break;
    name.erase(cut);
  }
  return *exactly("root");
}

// The local time of `t` by the C library, which follows TZ, else the system's zone; nothing for
// a time that is not a number or that the C library's clock cannot hold.
std::optional<std::tm> localTime(double t) {
  if (!std::isfinite(t)) return std::nullopt;
  const double seconds = std::floor(t);
  // Within ±2^53 (and within time_t): converted exactly, and far beyond any clock in use.
  constexpr double exact = 9007199254740992.0;
  if (std::abs(seconds) > exact || seconds < double(std::numeric_limits<std::time_t>::min()) ||
      seconds > double(std::numeric_limits<std::time_t>::max())) {
    return std::nullopt;
  }
  const auto whole = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (!::localtime_r(&whole, &local)) return std::nullopt;
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
  const std::optional<std::tm> local = localTime(secondsSince1970);
  if (!local) return {};
  const LocaleHours& row = *row_;
  const int hour = local->tm_hour;
  std::string out;
  const std::string_view pattern(row.pattern);
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    // Quoted text is copied as it stands, up to the closing quote; '' is a quote, inside
    // quoted text or out of it.
    if (c == '\'') {
      if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
        out += '\'';
        i += 2;
        continue;
      }
      for (++i; i < pattern.size(); ++i) {
        if (pattern[i] != '\'') {
          out += pattern[i];
        } else if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
          out += '\'';
          ++i;
        } else {
          ++i;
          break;
        }
      }
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
  if (hours <= 0 || !(to >= from)) return out;
  std::optional<std::tm> midnight = localTime(from);
  if (!midnight || !localTime(to)) return out;
  // Start at the local midnight of `from`'s day and step through the clock's hours, so that
  // the marks fall on its multiples of `hours`, a day with a clock change included.
  midnight->tm_hour = midnight->tm_min = midnight->tm_sec = 0;
  midnight->tm_isdst = -1;
  const std::time_t start = std::mktime(&*midnight);
  if (start == std::time_t(-1)) return out;
  // At most a hundred thousand hours (eleven years) are looked at.
  double t = double(start);
  for (int guard = 0; guard < 100000 && t <= to; ++guard) {
    const std::optional<std::tm> local = localTime(t);
    if (!local) break;
    // A clock that moved by half an hour leaves the step off the hour: back onto it.
    const int past = local->tm_min * 60 + local->tm_sec;
    if (past != 0) {
      t += 3600 - past;
      continue;
    }
    if (t >= from && local->tm_hour % hours == 0) out.push_back(t);
    t += 3600;
  }
  return out;
}

}  // namespace render
