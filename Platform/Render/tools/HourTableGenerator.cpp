// Writes the C++ table of how every locale that ICU knows writes an hour: the locale's pattern
// for the skeleton "j" (its own hour cycle, with its AM/PM marker where it has one), its
// abbreviated AM and PM markers, and the ten digits of its default numbering system. Run at
// build time, so that the program draws hour labels from CLDR's data without loading ICU and
// its data (several megabytes of resident memory) into every render.
//   hour-table-generator OUTPUT.cpp      (written whole, or not at all)
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/numsys.h>
#include <unicode/uclean.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string utf8(const icu::UnicodeString& s) {
  std::string out;
  return s.toUTF8String(out);
}

// A C++ string literal of UTF-8 text: every byte outside printable ASCII as an octal escape.
std::string literal(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += char(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += char(c);
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\%03o", c);
      out += buffer;
    }
  }
  return out + "\"";
}

// The pattern's fields must be ones the runtime formatter knows: hours, AM/PM, quoted text.
bool onlyKnownFields(const icu::UnicodeString& pattern) {
  bool quoted = false;
  for (int32_t i = 0; i < pattern.length(); ++i) {
    const char16_t c = pattern.charAt(i);
    if (c == u'\'') quoted = !quoted;
    else if (!quoted && ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) &&
             std::u16string_view(u"hHkKa").find(c) == std::u16string_view::npos) {
      return false;
    }
  }
  return true;
}

struct Row {
  std::string locale, pattern, am, pm, digits;
};

bool rowFor(const char* name, Row& row) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale locale(name);
  std::unique_ptr<icu::DateTimePatternGenerator> generator(icu::DateTimePatternGenerator::createInstance(locale, status));
  if (U_FAILURE(status)) return false;
  const icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString(u"j"), status);
  const icu::DateFormatSymbols symbols(locale, status);
  std::unique_ptr<icu::NumberingSystem> numbers(icu::NumberingSystem::createInstance(locale, status));
  if (U_FAILURE(status) || numbers->isAlgorithmic() || numbers->getRadix() != 10) return false;
  if (!onlyKnownFields(pattern)) {
    std::fprintf(stderr, "hour-table-generator: %s has the pattern %s with fields it cannot format\n", name,
                 utf8(pattern).c_str());
    return false;
  }
  int32_t count = 0;
  const icu::UnicodeString* ampm = symbols.getAmPmStrings(count);
  if (count < 2) return false;
  row = {name, utf8(pattern), utf8(ampm[0]), utf8(ampm[1]), utf8(numbers->getDescription())};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: hour-table-generator OUTPUT.cpp\n");
    return 2;
  }
  std::vector<Row> rows;
  std::vector<std::string> names{"root", "en_US_POSIX"};
  for (int32_t i = 0; i < uloc_countAvailable(); ++i) {
    const std::string name = uloc_getAvailable(i);
    names.push_back(name);
    // The systems' locale names carry no script ("zh_TW", "sr_RS"): ICU reads them as the
    // scripted locale that its data gives them, so they get a row of their own.
    const auto first = name.find('_'), second = name.find('_', first + 1);
    if (first != std::string::npos && second == first + 5) names.push_back(name.substr(0, first) + name.substr(second));
  }
  for (const std::string& name : names) {
    Row row;
    if (rowFor(name.c_str(), row)) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.locale < b.locale; });
  rows.erase(std::unique(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.locale == b.locale; }),
             rows.end());
  const bool hasRoot = std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.locale == "root"; });
  if (!hasRoot || rows.size() < 100) {
    std::fprintf(stderr, "hour-table-generator: ICU gave %zu locales\n", rows.size());
    return 1;
  }

  const std::string output = argv[1], partial = output + ".partial";
  std::FILE* out = std::fopen(partial.c_str(), "w");
  if (!out) {
    std::perror(partial.c_str());
    return 1;
  }
  std::fprintf(out, "// Generated at build time by hour-table-generator from ICU %s (CLDR). Do not edit.\n", U_ICU_VERSION);
  std::fprintf(out, "#include \"Platform/Render/HourTable.hpp\"\n\nnamespace render {\n\n");
  std::fprintf(out, "const LocaleHours localeHours[] = {\n");
  for (const Row& r : rows) {
    std::fprintf(out, "    {%s, %s, %s, %s, %s},\n", literal(r.locale).c_str(), literal(r.pattern).c_str(),
                 literal(r.am).c_str(), literal(r.pm).c_str(), literal(r.digits).c_str());
  }
  std::fprintf(out, "};\nconst std::size_t localeHoursCount = %zu;\n\n}  // namespace render\n", rows.size());
  const bool written = !std::ferror(out);
  if (std::fclose(out) != 0 || !written || std::rename(partial.c_str(), output.c_str()) != 0) {
    std::perror(output.c_str());
    std::remove(partial.c_str());
    return 1;
  }
  u_cleanup();
  return 0;
}
