#pragma once
// How each locale writes an hour, from CLDR by way of ICU, made into a table at build time
// (tools/HourTableGenerator.cpp): the pattern for an hour with its AM/PM marker where the
// locale has one, the abbreviated markers, and the ten digits of the locale's numbering system.
#include <cstddef>

namespace render {

struct LocaleHours {
  const char* locale;   // ICU's name: "de_DE", "zh_Hant_TW", "root"
  const char* pattern;  // "h a", "HH 'Uhr'", "H時"
  const char* am;
  const char* pm;
  const char* digits;   // the digits 0 to 9, UTF-8, one after another
};

// Sorted by locale name (byte order).
extern const LocaleHours localeHours[];
extern const std::size_t localeHoursCount;

}  // namespace render
