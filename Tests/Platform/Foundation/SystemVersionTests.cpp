#include <gtest/gtest.h>

#include <optional>

#include "Platform/Foundation/SystemVersion.hpp"

namespace {

using fnd::SystemVersion;

TEST(SystemVersionParse, AcceptsMajorMinorAndIgnoresPatch) {
  struct Case {
    const char* text;
    std::optional<SystemVersion> expected;
  };
  const Case cases[] = {
      {"26.0", SystemVersion{26, 0}},  {"15.7", SystemVersion{15, 7}},
      {"26", SystemVersion{26, 0}},    {"15.7.3", SystemVersion{15, 7}},
      {"100.12", SystemVersion{100, 12}},
      {"", std::nullopt},              {"26.", std::nullopt},
      {".5", std::nullopt},            {"26.0.", std::nullopt},
      {"26.0.1.2", std::nullopt},      {"-26.0", std::nullopt},
      {"+26.0", std::nullopt},         {" 26.0", std::nullopt},
      {"26.0 ", std::nullopt},         {"26,0", std::nullopt},
      {"x.y", std::nullopt},           {"99999999999.0", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SystemVersion::parse(c.text), c.expected);
  }
}

TEST(SystemVersionCompare, OrdersByMajorThenMinor) {
  struct Case {
    SystemVersion a, b;
    bool less;
  };
  const Case cases[] = {
      {{15, 7}, {26, 0}, true},  {{25, 99}, {26, 0}, true}, {{26, 0}, {26, 0}, false},
      {{26, 1}, {26, 0}, false}, {{26, 0}, {26, 1}, true},  {{27, 0}, {26, 9}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.a.text() + " vs " + c.b.text());
    EXPECT_EQ(c.a < c.b, c.less);
  }
}

TEST(SystemVersionCurrent, DefaultsTo26AndFollowsTheHost) {
  EXPECT_EQ(SystemVersion::current(), (SystemVersion{26, 0}));
  EXPECT_TRUE(fnd::isAvailable({26, 0}));
  SystemVersion::setCurrent({15, 4});
  EXPECT_EQ(SystemVersion::current().text(), "15.4");
  EXPECT_FALSE(fnd::isAvailable({26, 0}));
  EXPECT_TRUE(fnd::isAvailable({15, 0}));
  SystemVersion::setCurrent({26, 0});
}

}  // namespace
