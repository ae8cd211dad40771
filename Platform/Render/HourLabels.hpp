#pragma once
// The hour of a time as the user's locale writes it ("6 AM", "18 Uhr", "18 h"), with the
// locale's own digits and an abbreviated AM/PM marker where the locale uses one; and where
// marks every N hours fall on the local clock.
#include <string>
#include <vector>

namespace render {

// The locale that governs times: LC_ALL, else LC_TIME, else LANG ("de_DE.UTF-8" → "de_DE");
// the C and POSIX locales, and none at all, are written as "en_US_POSIX".
std::string userTimeLocale();

struct LocaleHours;

// Hours in the local time of the process: the zone that TZ names, else the system's.
class HourFormatter {
 public:
  // `locale` as ICU names it ("en_US", "de_DE"); one the table lacks is read as its parent
  // ("de_XX" as "de"), and one without a parent as the root locale.
  explicit HourFormatter(const std::string& locale = userTimeLocale());

  // The label of the hour of `secondsSince1970`.
  std::string label(double secondsSince1970) const;
  // The locale's pattern for an hour with its AM/PM marker ("h a", "HH 'Uhr'").
  std::string pattern() const;
  // The times in [from, to] whose local hour is a multiple of `hours` on the hour, in order.
  std::vector<double> marks(double from, double to, int hours) const;

 private:
  const LocaleHours* row_;
};

}  // namespace render
