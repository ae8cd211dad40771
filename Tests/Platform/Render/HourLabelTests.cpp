#include <gtest/gtest.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Platform/Render/HourLabels.hpp"
#include "Platform/Render/HourTable.hpp"
#include "Tests/Support/ScopedTimeZone.hpp"

namespace render {
namespace {

struct HourCase {
  const char* locale;
  double time;  // seconds since 1970, read in UTC
  const char* expected;
};

class HourLabel : public ::testing::TestWithParam<HourCase> {};

TEST_P(HourLabel, IsTheLocalesOwnHour) {
  const auto& c = GetParam();
  const ::testing::ScopedTimeZone utc("UTC");
  EXPECT_EQ(HourFormatter(c.locale).label(c.time), c.expected) << c.locale;
}

// 1765260000 is 2025-12-09 06:00 UTC; 1765281600 is 12:00; 1765303200 is 18:00; 1765238400 is
// midnight.
INSTANTIATE_TEST_SUITE_P(Locales, HourLabel,
                         ::testing::Values(HourCase{"en_US", 1765260000, "6\u202FAM"},
                                           HourCase{"en_US", 1765303200, "6\u202FPM"},
                                           HourCase{"en_US", 1765281600, "12\u202FPM"},
                                           HourCase{"en_US", 1765238400, "12\u202FAM"},
                                           HourCase{"de_DE", 1765303200, "18 Uhr"},
                                           HourCase{"fr_FR", 1765303200, "18 h"},
                                           HourCase{"ja_JP", 1765303200, "18時"},
                                           HourCase{"en_GB", 1765260000, "06"},
                                           HourCase{"ar_EG", 1765303200, "٦ م"},
                                           HourCase{"ko_KR", 1765260000, "오전 6시"},
                                           HourCase{"zh_TW", 1765303200, "下午6時"},
                                           // Not in the table: its language, then the root.
                                           HourCase{"de_XX", 1765303200, "18 Uhr"},
                                           HourCase{"xx_YY", 1765303200, "6 PM"},
                                           HourCase{"en_US_POSIX", 1765260000, "6\u202FAM"},
                                           // Spelt otherwise, or by an old language code.
                                           HourCase{"de-de", 1765303200, "18 Uhr"},
                                           HourCase{"ZH_hant_tw", 1765303200, "下午6時"},
                                           HourCase{"iw_IL", 1765303200, "18"},
                                           // No time to write: no label.
                                           HourCase{"en_US", std::nan(""), ""},
                                           HourCase{"en_US", 1e300, ""}),
                         [](const auto& info) { return std::to_string(info.index); });

// Sets the locale variables for one test and puts the old values back.
class LocaleVariables : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* n : names) {
      const char* v = std::getenv(n);
      saved_.emplace_back(v ? std::optional<std::string>(v) : std::nullopt);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < std::size(names); ++i) {
      if (saved_[i]) ::setenv(names[i], saved_[i]->c_str(), 1);
      else ::unsetenv(names[i]);
    }
  }
  static constexpr const char* names[] = {"LC_ALL", "LC_TIME", "LANG"};
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(LocaleVariables, UserLocaleFollowsTheEnvironment) {
  ::setenv("LC_ALL", "", 1);
  ::setenv("LC_TIME", "de_DE.UTF-8", 1);
  ::setenv("LANG", "en_US.UTF-8", 1);
  EXPECT_EQ(userTimeLocale(), "de_DE");
  ::setenv("LC_ALL", "fr_FR.UTF-8@euro", 1);
  EXPECT_EQ(userTimeLocale(), "fr_FR");
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(userTimeLocale(), "en_US_POSIX");
  ::unsetenv("LC_ALL");
  ::unsetenv("LC_TIME");
  ::unsetenv("LANG");
  EXPECT_EQ(userTimeLocale(), "en_US_POSIX");
}

TEST(HourLabels, MarksFallOnTheClocksMultiplesOfTheStride) {
  struct Case {
    const char* zone;
    double from, to;
    std::vector<double> marks;
  } cases[] = {
      // From 2025-12-09 01:30 to 19:00 UTC: 06:00, 12:00, 18:00.
      {"UTC", 1765243800, 1765306800, {1765260000, 1765281600, 1765303200}},
      // In Berlin (UTC+1 in December) the local 06:00 is 05:00 UTC.
      {"Europe/Berlin", 1765243800, 1765306800, {1765256400, 1765278000, 1765299600}},
      // 2025-03-30 in Berlin has 23 hours: midnight is 23:00 UTC the day before (winter time),
      // and 06:00, 12:00 and 18:00 are summer time, two hours ahead.
      {"Europe/Berlin", 1743289200, 1743289200 + 21 * 3600.0, {1743289200, 1743307200, 1743328800, 1743350400}},
      // A zone half an hour off the hour: Kolkata's 06:00 is 00:30 UTC.
      {"Asia/Kolkata", 1765238400, 1765238400 + 12 * 3600.0, {1765240200, 1765261800}},
      // Lord Howe moves its clock by half an hour: on 2025-10-05 from 02:00 to 02:30, and the
      // marks after it stay on the clock's whole hours.
      {"Australia/Lord_Howe", 1759584600, 1759665600, {1759584600, 1759604400, 1759626000, 1759647600}},
      // Times beyond any clock have no marks.
      {"UTC", -1e300, 1e300, {}},
      // An empty or reversed range has none.
      {"UTC", 1765306800, 1765243800, {}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(std::string(c.zone) == "UTC" || std::filesystem::exists(std::string("/usr/share/zoneinfo/") + c.zone))
        << "the time zone data (tzdata) lacks " << c.zone;
    const ::testing::ScopedTimeZone zone(c.zone);
    EXPECT_EQ(HourFormatter("en_US").marks(c.from, c.to, 6), c.marks) << c.zone << " from " << c.from;
  }
}

// The table is ICU's data; this checks that it is read as ICU reads it: every locale's label
// of every hour of a day is the one ICU's own formatter gives for the locale's best hour
// pattern.
TEST(HourLabels, AgreeWithICUForEveryLocaleAndHour) {
  const ::testing::ScopedTimeZone utc("UTC");
  const std::unique_ptr<icu::TimeZone> gmt(icu::TimeZone::createTimeZone("UTC"));
  int compared = 0;
  for (std::size_t i = 0; i < localeHoursCount; ++i) {
    const char* name = localeHours[i].locale;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(name);
    std::unique_ptr<icu::DateTimePatternGenerator> generator(icu::DateTimePatternGenerator::createInstance(locale, status));
    ASSERT_TRUE(U_SUCCESS(status)) << name;
    icu::SimpleDateFormat format(generator->getBestPattern(icu::UnicodeString(u"j"), status), locale, status);
    ASSERT_TRUE(U_SUCCESS(status)) << name;
    format.setTimeZone(*gmt);
    const HourFormatter ours(name);
    for (int hour = 0; hour < 24; ++hour) {
      const double t = 1765238400 + hour * 3600.0;
      icu::UnicodeString expected;
      format.format(t * 1000, expected);
      std::string text;
      EXPECT_EQ(ours.label(t), expected.toUTF8String(text)) << name << " at " << hour << ":00";
      ++compared;
    }
  }
  EXPECT_GT(compared, 24 * 500);
}

}  // namespace
}  // namespace render
