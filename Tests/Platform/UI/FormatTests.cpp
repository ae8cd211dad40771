#include <gtest/gtest.h>

#include "Platform/UI/Format.hpp"
#include "Platform/UI/Localization.hpp"
#include "Platform/UI/Node.hpp"

namespace ui {
namespace {

struct Case {
  const char* format;
  std::vector<FormatArgument> arguments;
  const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.format << '"'; }

class FormatC : public ::testing::TestWithParam<Case> {};

TEST_P(FormatC, Substitutes) {
  const Case& c = GetParam();
  EXPECT_EQ(formatC(c.format, c.arguments), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatC,
    ::testing::Values(Case{"%lld", {std::int64_t{7}}, "7"},
                      Case{"%lld", {std::int64_t{-3}}, "-3"},
                      Case{"%d", {std::int64_t{42}}, "42"},
                      Case{"Using %@", {std::string("6.4 W")}, "Using 6.4 W"},
                      Case{"%.1f W", {9.96}, "10.0 W"},
                      Case{"%.1f W", {0.04}, "0.0 W"},
                      Case{"%.0f W", {12.3}, "12 W"},
                      Case{"%.1f", {4.25}, "4.2"},  // ties by the exact binary value
                      Case{"%d%%", {std::int64_t{5}}, "5%"},
                      Case{"%2$@ before %1$@", {std::string("a"), std::string("b")}, "b before a"},
                      Case{"%@ items", {std::int64_t{3}}, "3 items"},      // a number shown as text
                      Case{"%lld", {2.9}, "2"},                            // a number truncated for %d
                      Case{"%.1f", {std::int64_t{2}}, "2.0"},
                      Case{"%@ and %@", {std::string("one")}, "one and "},  // a missing argument is left out
                      Case{"100%", {std::int64_t{1}}, "100%"},             // an incomplete placeholder is kept
                      Case{"%5.1f|%-4d|", {3.14159, std::int64_t{7}}, "  3.1|7   |"}));

TEST(LocalizedText, TakesFormatArgumentsOfEveryKind) {
  const Text t = Text::localized("%@: %lld of %.1f", "Apps", 3, 4.5);
  const auto* node = nodeAs<TextNode>(t);
  ASSERT_NE(node, nullptr);
  EXPECT_FALSE(node->verbatim);
  EXPECT_EQ(resolvedText(*node), "Apps: 3 of 4.5");
}

TEST(LocalizedText, KeepsAKeyWithoutArgumentsAsItIs) {
  EXPECT_EQ(resolvedText(*nodeAs<TextNode>(Text::localized("%"))), "%");
  EXPECT_EQ(resolvedText(*nodeAs<TextNode>(Text::verbatim("%lld"))), "%lld");
}

TEST(LocalizedText, IsLookedUpInTheCatalogAndFallsBackToTheKey) {
  const Catalog catalog(std::map<std::string, std::string>{{"Using %@", "Verbrauch: %@"}});
  EXPECT_EQ(resolvedText(*nodeAs<TextNode>(Text::localized("Using %@", "2 W")), &catalog), "Verbrauch: 2 W");
  EXPECT_EQ(resolvedText(*nodeAs<TextNode>(Text::localized("Using power")), &catalog), "Using power");
}

}  // namespace
}  // namespace ui
