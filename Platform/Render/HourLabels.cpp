#include "Platform/Render/HourLabels.hpp"

#include <unicode/calendar.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace render {

namespace {

const char* firstSet(std::initializer_list<const char*> names) {
  for (const char* n : names) {
    const char* v = std::getenv(n);
    if (v && *v) return v;
  }
  return nullptr;
}

std::unique_ptr<icu::TimeZone> zoneFor(const std::string& id) {
  if (id.empty()) return std::unique_ptr<icu::TimeZone>(icu::TimeZone::detectHostTimeZone());
  return std::unique_ptr<icu::TimeZone>(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(id)));
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

struct HourFormatter::Impl {
  icu::Locale locale;
  icu::UnicodeString pattern;
  std::unique_ptr<icu::SimpleDateFormat> format;
  std::unique_ptr<icu::Calendar> calendar;
};

HourFormatter::HourFormatter(const std::string& locale, const std::string& timeZone)
    : impl_(std::make_unique<Impl>()) {
  UErrorCode status = U_ZERO_ERROR;
  impl_->locale = icu::Locale::createCanonical(locale.c_str());
  // "j": the locale's preferred hour cycle, with its AM/PM marker where it has one; an
  // abbreviated marker is the pattern's plain "a".
  std::unique_ptr<icu::DateTimePatternGenerator> generator(
      icu::DateTimePatternGenerator::createInstance(impl_->locale, status));
  if (U_SUCCESS(status)) impl_->pattern = generator->getBestPattern(icu::UnicodeString("j"), status);
  if (U_FAILURE(status) || impl_->pattern.isEmpty()) {
    status = U_ZERO_ERROR;
    impl_->pattern = icu::UnicodeString("h a");
  }
  impl_->format = std::make_unique<icu::SimpleDateFormat>(impl_->pattern, impl_->locale, status);
  if (U_FAILURE(status)) throw std::runtime_error("cannot format hours for locale " + locale);
  impl_->format->adoptTimeZone(zoneFor(timeZone).release());
  status = U_ZERO_ERROR;
  impl_->calendar.reset(icu::Calendar::createInstance(zoneFor(timeZone).release(), impl_->locale, status));
  if (U_FAILURE(status)) throw std::runtime_error("cannot use the calendar of locale " + locale);
}

HourFormatter::~HourFormatter() = default;

std::string HourFormatter::label(double secondsSince1970) const {
  icu::UnicodeString out;
  impl_->format->format(secondsSince1970 * 1000.0, out);
  std::string s;
  return out.toUTF8String(s);
}

std::string HourFormatter::pattern() const {
  std::string s;
  return impl_->pattern.toUTF8String(s);
}

std::vector<double> HourFormatter::marks(double from, double to, int hours) const {
  std::vector<double> out;
  if (hours <= 0 || !(to >= from) || !std::isfinite(from) || !std::isfinite(to)) return out;
  UErrorCode status = U_ZERO_ERROR;
  icu::Calendar& cal = *impl_->calendar;
  // Start at the local midnight of `from`'s day and step through the day's hours, so that
  // the marks fall on the clock's multiples of `hours` (a day with a clock change included).
  cal.setTime(from * 1000.0, status);
  cal.set(UCAL_HOUR_OF_DAY, 0);
  cal.set(UCAL_MINUTE, 0);
  cal.set(UCAL_SECOND, 0);
  cal.set(UCAL_MILLISECOND, 0);
  for (int guard = 0; guard < 100000 && U_SUCCESS(status); ++guard) {
    const double t = cal.getTime(status) / 1000.0;
    if (U_FAILURE(status) || t > to) break;
    const int hour = cal.get(UCAL_HOUR_OF_DAY, status);
    if (t >= from && hour % hours == 0) out.push_back(t);
    cal.add(UCAL_HOUR_OF_DAY, 1, status);
  }
  return out;
}

}  // namespace render
