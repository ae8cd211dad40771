#include <gtest/gtest.h>

#include <optional>

#include "Platform/Foundation/ISO8601.hpp"

namespace {

TEST(ISO8601Parse, ReadsTimesWithAZone) {
  struct Case {
    const char* text;
    std::optional<double> seconds;
  };
  const Case cases[] = {
      {"2025-12-09T10:00:00Z", 1765274400},
      {"2025-12-09T11:00:00+01:00", 1765274400},
      {"2025-12-09T05:30:00-0430", 1765274400},
      {"2025-12-09T12:00:00+02", 1765274400},
      {"2025-12-09T10:00Z", 1765274400},
      {"2025-12-09T10:00:00.5Z", 1765274400.5},
      {"1970-01-01T00:00:00Z", 0},
      {"1969-12-31T23:59:59Z", -1},
      {"2024-02-29T00:00:00Z", 1709164800},
      {"2000-03-01T00:00:00Z", 951868800},
      {"2025-12-09T10:00:00", std::nullopt},      // no zone
      {"2025-12-09", std::nullopt},
      {"2025-02-29T00:00:00Z", std::nullopt},     // not a leap year
      {"2025-13-01T00:00:00Z", std::nullopt},
      {"2025-00-01T00:00:00Z", std::nullopt},
      {"2025-12-00T00:00:00Z", std::nullopt},
      {"2025-12-09T24:00:00Z", std::nullopt},
      {"2025-12-09T10:60:00Z", std::nullopt},
      {"2025-12-09T10:00:60Z", std::nullopt},
      {"2025-12-09T10:00:00+25:00", std::nullopt},
      {"2025-12-09T10:00:00.Z", std::nullopt},
      {"2025-12-09T10:00:00Z ", std::nullopt},
      {"2025-12-09 10:00:00Z", std::nullopt},
      {"25-12-09T10:00:00Z", std::nullopt},
      {"tomorrow", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<fnd::Date> date = fnd::parseISO8601(c.text);
    ASSERT_EQ(date.has_value(), c.seconds.has_value());
    if (date) {
      EXPECT_DOUBLE_EQ(fnd::secondsSince1970(*date), *c.seconds);
    }
  }
}

TEST(ISO8601Format, WritesUTCWithSecondsAndMillisecondsWhenThereAreAny) {
  struct Case {
    double seconds;
    const char* text;
  };
  const Case cases[] = {
      {1765274400, "2025-12-09T10:00:00Z"},
      {1765274400.25, "2025-12-09T10:00:00.250Z"},
      {1765274400.9996, "2025-12-09T10:00:01Z"},
      {0, "1970-01-01T00:00:00Z"},
      {-1, "1969-12-31T23:59:59Z"},
      {-0.5, "1969-12-31T23:59:59.500Z"},
      {951782400, "2000-02-29T00:00:00Z"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(fnd::formatISO8601(fnd::dateFromSeconds(c.seconds)), c.text);
  }
}

TEST(ISO8601Format, ReadsBackWhatItWrites) {
  for (double s : {1765274400.0, 1765274400.125, -86400.0 * 400, 4102444800.0}) {
    SCOPED_TRACE(s);
    const auto back = fnd::parseISO8601(fnd::formatISO8601(fnd::dateFromSeconds(s)));
    ASSERT_TRUE(back.has_value());
    EXPECT_DOUBLE_EQ(fnd::secondsSince1970(*back), s);
  }
}

}  // namespace
