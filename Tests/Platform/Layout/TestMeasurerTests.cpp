#include <gtest/gtest.h>

#include "Platform/Layout/TestMeasurer.hpp"

namespace layout {
namespace {

struct Case {
  const char* text;
  std::optional<double> maxWidth;
  std::optional<int> lineLimit;
  TextMeasure expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << '"'; }

// Font size 10: characters 5 wide, lines 12 high, baseline at 9.
class TestMeasurerCase : public ::testing::TestWithParam<Case> {};

TEST_P(TestMeasurerCase, MeasuresAsDocumented) {
  const Case c = GetParam();
  TestMeasurer m;
  TextRequest request{c.text, ui::Font::system(10), false, c.maxWidth, c.lineLimit};
  const TextMeasure got = m.measureText(request);
  EXPECT_DOUBLE_EQ(got.width, c.expected.width);
  EXPECT_DOUBLE_EQ(got.height, c.expected.height);
  EXPECT_DOUBLE_EQ(got.firstBaseline, c.expected.firstBaseline);
  EXPECT_DOUBLE_EQ(got.lastBaseline, c.expected.lastBaseline);
  EXPECT_EQ(got.lineCount, c.expected.lineCount);
  EXPECT_EQ(got.truncated, c.expected.truncated);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TestMeasurerCase,
    ::testing::Values(Case{"abc", std::nullopt, std::nullopt, {15, 12, 9, 9, 1, false}},
                      Case{"a°·…", std::nullopt, std::nullopt, {20, 12, 9, 9, 1, false}},  // code points, not bytes
                      Case{"one\ntwo", std::nullopt, std::nullopt, {15, 24, 9, 21, 2, false}},
                      Case{"aaa bbb ccc", 40.0, std::nullopt, {35, 24, 9, 21, 2, false}},
                      Case{"abcdefghijkl", 30.0, std::nullopt, {30, 24, 9, 21, 2, false}},  // a long word breaks
                      Case{"aaa bbb ccc", 40.0, 1, {40, 12, 9, 9, 1, true}},               // cut on one line
                      Case{"aaa bbb ccc ddd", 40.0, 1, {40, 12, 9, 9, 1, true}},
                      Case{"aaa bbb ccc ddd eee", 40.0, 2, {40, 24, 9, 21, 2, true}},
                      Case{"aaa bbb", 40.0, 1, {35, 12, 9, 9, 1, false}}));

TEST(TestMeasurer, SizesSymbolsByTheirFont) {
  TestMeasurer m;
  const SymbolMeasure s = m.measureSymbol("bolt", ui::Font::textStyle(ui::TextStyle::title2));
  EXPECT_DOUBLE_EQ(s.width, 17);
  EXPECT_DOUBLE_EQ(s.height, 17);
  EXPECT_DOUBLE_EQ(s.baseline, 0.9 * 17);
}

TEST(TestMeasurer, ScalesTheFont) {
  TestMeasurer m;
  TextRequest request{"abcd", ui::Font::system(10), false, std::nullopt, std::nullopt, 0.5};
  EXPECT_DOUBLE_EQ(m.measureText(request).width, 10);
}

}  // namespace
}  // namespace layout
