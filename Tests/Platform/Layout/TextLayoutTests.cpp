#include <gtest/gtest.h>

#include "LayoutFixture.hpp"

namespace layout::testing {
namespace {

class TextLayoutTest : public LayoutTest {};

// Ten characters in callout (12 points): 60 points wide at full size.
struct ShrinkCase {
  double width;
  double scaleAtLeast, scaleAtMost;
  bool truncated;
};

void PrintTo(const ShrinkCase& c, std::ostream* os) { *os << "width " << c.width; }

class OneLineText : public LayoutTest, public ::testing::WithParamInterface<ShrinkCase> {};

TEST_P(OneLineText, ShrinksToItsMinimumScaleBeforeItIsCut) {
  const ShrinkCase c = GetParam();
  ui::View line = ui::Text::verbatim("abcdefghij")
                      .font(ui::Font::textStyle(ui::TextStyle::callout, ui::Weight::medium))
                      .lineLimit(1)
                      .minimumScaleFactor(0.8);
  lay(line, c.width, 50);
  const LayoutNode& node = nodeOf(line);
  const LayoutNode* leaf = &node;
  while (!leaf->text) leaf = &leaf->children.front();
  EXPECT_GE(leaf->text->scale, c.scaleAtLeast);
  EXPECT_LE(leaf->text->scale, c.scaleAtMost);
  EXPECT_EQ(leaf->text->measure.truncated, c.truncated);
  EXPECT_EQ(leaf->text->measure.lineCount, 1);
  EXPECT_LE(node.frame.width, c.width);
  EXPECT_PT(node.frame.height, 1.2 * 12 * leaf->text->scale);
}

INSTANTIATE_TEST_SUITE_P(Widths, OneLineText,
                         ::testing::Values(ShrinkCase{80, 1, 1, false},         // fits
                                           ShrinkCase{60, 1, 1, false},         // just fits
                                           ShrinkCase{54, 0.8999, 0.9, false},  // shrinks to 0.9
                                           ShrinkCase{48, 0.8, 0.8001, false},  // shrinks to the minimum
                                           ShrinkCase{40, 0.8, 0.8, true}));    // cut at the minimum

TEST_F(TextLayoutTest, WrapsWithinTheOfferedWidthWithoutALineLimit) {
  ui::View t = ui::Text::verbatim("aaa bbb ccc").font(ui::Font::system(10));
  lay(t, 40, 100);  // 8 characters a line
  EXPECT_EQ(frameOf(t).size(), (ui::Size{35, 24}));
}

TEST_F(TextLayoutTest, HoldsToTheLineLimitAndCutsTheLastLine) {
  struct Case {
    std::optional<int> limit;
    double height;
    bool truncated;
  };
  const Case cases[] = {{std::nullopt, 36, false}, {2, 24, true}, {1, 12, true}, {3, 36, false}};
  for (const auto& c : cases) {
    ui::View t = ui::Text::verbatim("aaa bbb ccc ddd eee").font(ui::Font::system(10)).lineLimit(c.limit);
    lay(t, 40, 200);
    EXPECT_PT(frameOf(t).height, c.height);
    const LayoutNode* leaf = &nodeOf(t);
    while (!leaf->text) leaf = &leaf->children.front();
    EXPECT_EQ(leaf->text->measure.truncated, c.truncated);
  }
}

TEST_F(TextLayoutTest, ShowsFewerLinesWhenShortOfHeight) {
  ui::View t = ui::Text::verbatim("aaa bbb ccc ddd eee").font(ui::Font::system(10));
  lay(t, 40, 25);  // room for two of the three lines
  EXPECT_PT(frameOf(t).height, 24);
}

TEST_F(TextLayoutTest, TakesItsIdealWidthWhenTheWidthIsUnspecified) {
  ui::View t = ui::Text::verbatim("one long line of text").font(ui::Font::system(10));
  EXPECT_EQ(sizeThatFits(t, Proposal{}, measurer_), (ui::Size{105, 12}));
}

TEST_F(TextLayoutTest, MeasuresLocalizableTextsAsFormattedInTheCatalogLanguage) {
  ui::View t = ui::Text::localized("Using %@", "6.4 W").font(ui::Font::system(10));
  lay(t, 300, 100);
  EXPECT_EQ(nodeOf(t).children.front().text->string, "Using 6.4 W");

  ui::Environment env;
  env.catalog = std::make_shared<ui::Catalog>(std::map<std::string, std::string>{{"Using %@", "Verbrauch %@"}});
  LayoutNode tree = layoutTree(t, {300, 100}, measurer_, env);
  EXPECT_EQ(tree.children.front().text->string, "Verbrauch 6.4 W");
  EXPECT_PT(tree.frame.width, 15 * 5);
}

TEST_F(TextLayoutTest, SizesSymbolsByTheirFont) {
  ui::View symbol = ui::Image::system("bolt.fill").font(ui::Font::textStyle(ui::TextStyle::title2));
  lay(ui::VStack({symbol}), 100, 100);
  EXPECT_EQ(frameOf(symbol).size(), (ui::Size{17, 17}));
  ASSERT_TRUE(nodeOf(symbol).children.front().symbol.has_value());
}

TEST_F(TextLayoutTest, ASymbolBesideATooLongTitleKeepsItsPlace) {
  ui::View symbol = ui::Image::system("battery.75percent").font(ui::Font::textStyle(ui::TextStyle::caption2, ui::Weight::bold));
  ui::View title = ui::Text::verbatim("A title far too long for its row")
                       .font(ui::Font::textStyle(ui::TextStyle::caption, ui::Weight::semibold))
                       .lineLimit(1);
  lay(ui::HStack(ui::VerticalAlignment::center, 4, {symbol, title}), 100, 40);
  EXPECT_EQ(frameOf(symbol), (ui::Rect{0, 1, 10, 10}));  // centred on the 12-point line
  EXPECT_PT(frameOf(title).x, 14);
  EXPECT_PT(frameOf(title).width, 86);
  EXPECT_PT(frameOf(title).height, 12);
}

}  // namespace
}  // namespace layout::testing
