#include <gtest/gtest.h>

#include "PixelProbe.hpp"
#include "Platform/Render/PangoMeasurer.hpp"

namespace render {
namespace {

using layout::TextRequest;
using ui::Font;

const Font caption = Font::textStyle(ui::TextStyle::caption);
const Font rounded40 = Font::system(40, ui::Weight::semibold, ui::Design::rounded);

class Measurer : public ::testing::Test {
 protected:
  layout::TextMeasure measure(std::string_view text, Font font = caption, std::optional<double> maxWidth = {},
                              std::optional<int> lines = {}, bool mono = false, double scale = 1) const {
    TextRequest r;
    r.text = text;
    r.font = font;
    r.maxWidth = maxWidth;
    r.lineLimit = lines;
    r.monospacedDigits = mono;
    r.scale = scale;
    return m.measureText(r);
  }
  PangoMeasurer m;
};

TEST_F(Measurer, ALongerTextIsWider) {
  const auto shorter = measure("Using space");
  const auto longer = measure("Using space, and then some more");
  EXPECT_GT(longer.width, shorter.width);
  EXPECT_DOUBLE_EQ(longer.height, shorter.height);
  EXPECT_EQ(shorter.lineCount, 1);
  EXPECT_FALSE(shorter.truncated);
}

TEST_F(Measurer, OneLineHasItsBaselineInsideItsHeight) {
  const auto one = measure("Open the app to start");
  EXPECT_GT(one.firstBaseline, one.height / 2);
  EXPECT_LT(one.firstBaseline, one.height);
  EXPECT_DOUBLE_EQ(one.firstBaseline, one.lastBaseline);
  EXPECT_NEAR(one.height, 12, 2) << "a 10-point style takes about 12 points of line";
}

TEST_F(Measurer, WrappingAtAWidthAddsLines) {
  const std::string text = "Lines fill in over the day";
  const auto free = measure(text);
  const auto wrapped = measure(text, caption, free.width / 2);
  EXPECT_GE(wrapped.lineCount, 2);
  EXPECT_LE(wrapped.width, free.width / 2);
  EXPECT_GT(wrapped.height, free.height * 1.9);
  EXPECT_GT(wrapped.lastBaseline, wrapped.firstBaseline);
  EXPECT_FALSE(wrapped.truncated);
}

TEST_F(Measurer, ALineLimitOfOneTruncatesWithAnEllipsis) {
  const std::string text = "A long line of advice that cannot fit in its place";
  const auto free = measure(text);
  const auto cut = measure(text, caption, free.width / 3, 1);
  EXPECT_EQ(cut.lineCount, 1);
  EXPECT_TRUE(cut.truncated);
  EXPECT_LE(cut.width, free.width / 3 + 1e-9);
  EXPECT_DOUBLE_EQ(cut.height, free.height);
  const auto fits = measure(text, caption, free.width + 1, 1);
  EXPECT_FALSE(fits.truncated);
}

TEST_F(Measurer, ALineLimitCutsTheLinesOfWrappedAndOfBrokenText) {
  const auto two = measure("one two three four five six seven eight", caption, 40, 2);
  EXPECT_EQ(two.lineCount, 2);
  EXPECT_TRUE(two.truncated);
  const auto paragraphs = measure("first\nsecond\nthird", caption, std::nullopt, 2);
  EXPECT_EQ(paragraphs.lineCount, 2);
  EXPECT_TRUE(paragraphs.truncated);
}

TEST_F(Measurer, ScaleShrinksTheFont) {
  const auto full = measure("5h 20m left");
  const auto smaller = measure("5h 20m left", caption, std::nullopt, std::nullopt, false, 0.8);
  EXPECT_NEAR(smaller.width, full.width * 0.8, full.width * 0.02);
  EXPECT_LT(smaller.height, full.height);
}

struct DigitCase {
  const char* name;
  Font font;
};

class MonospacedDigits : public Measurer, public ::testing::WithParamInterface<DigitCase> {};

TEST_P(MonospacedDigits, MakeOnesAsWideAsEights) {
  const Font f = GetParam().font;
  EXPECT_NEAR(measure("111", f, {}, {}, true).width, measure("888", f, {}, {}, true).width, 1e-3);
  EXPECT_NEAR(measure("1", f, {}, {}, true).width, measure("4", f, {}, {}, true).width, 1e-3);
  EXPECT_NEAR(measure("1.1 W", f, {}, {}, true).width, measure("8.8 W", f, {}, {}, true).width, 1e-3);
  EXPECT_LT(measure("111", f).width, measure("888", f).width) << "without the option digits differ";
  EXPECT_DOUBLE_EQ(measure("111", f, {}, {}, true).height, measure("111", f).height) << "lines keep their height";
}

TEST_P(MonospacedDigits, AreCutToTheWidthLikeOtherText) {
  const Font f = GetParam().font;
  const auto full = measure("100 and 200", f, {}, {}, true);
  const auto cut = measure("100 and 200", f, full.width * 0.6, 1, true);
  EXPECT_TRUE(cut.truncated);
  EXPECT_EQ(cut.lineCount, 1);
  EXPECT_LE(cut.width, full.width * 0.6 + 1e-9);
  EXPECT_GT(cut.width, full.width * 0.2);
  const auto wrapped = measure("100 and 200", f, full.width * 0.6, std::nullopt, true);
  EXPECT_GE(wrapped.lineCount, 2);
  EXPECT_FALSE(wrapped.truncated);
  const auto fits = measure("100", f, full.width, 1, true);
  EXPECT_FALSE(fits.truncated);
}

INSTANTIATE_TEST_SUITE_P(Faces, MonospacedDigits,
                         ::testing::Values(DigitCase{"text", Font::textStyle(ui::TextStyle::caption2)},
                                           DigitCase{"rounded", rounded40},
                                           DigitCase{"rounded_medium", Font::system(20, ui::Weight::medium, ui::Design::rounded)}),
                         [](const auto& info) { return std::string(info.param.name); });

// What the measurer says is where the backend draws: the ink of a drawn text lies inside its
// measured box, reaches its last line, and the box is not much larger than the ink.
TEST_F(Measurer, DrawnTextLiesInItsMeasuredBox) {
  struct Case {
    const char* text;
    Font font;
    bool mono;
    std::optional<double> maxWidth;
    std::optional<int> lines;
  };
  const Font semibold = Font::textStyle(ui::TextStyle::caption, ui::Weight::semibold);
  for (const Case& c : {Case{"On the road", semibold, false, {}, {}},
                        Case{"71", rounded40, true, {}, {}},
                        Case{"Using 6.4 MB", caption, false, {}, {}},
                        Case{"Lines fill in over the day", caption, false, 60.0, {}},
                        Case{"Nothing to see here at all, nothing", caption, false, 70.0, 2}}) {
    const auto box = measure(c.text, c.font, c.maxWidth, c.lines, c.mono);
    DisplayList l;
    l.fill(Shape::rectangle({0, 0, 200, 80}), Paint::solid(RGBA{1, 1, 1, 1}));
    TextCommand t;
    t.text = c.text;
    t.font = textFont(c.font);
    t.size = c.font.pointSize();
    t.monospacedDigits = c.mono;
    t.paint = Paint::solid(RGBA{0, 0, 0, 1});
    t.origin = {20, 10};
    t.maxWidth = c.maxWidth;
    t.lineLimit = c.lines;
    l.add(t);
    const auto px = testing::renderPixels(l, {200, 80});
    const testing::Pixel white{255, 255, 255, 255};
    EXPECT_GT(px.countDiffering(20, 10, box.width, box.height, white), 20) << c.text;
    EXPECT_EQ(px.countDiffering(0, 0, 200, 9.5, white), 0) << c.text << " above its box";
    EXPECT_EQ(px.countDiffering(0, 10 + box.height + 0.5, 200, 80 - 10 - box.height - 0.5, white), 0)
        << c.text << " below its box";
    EXPECT_EQ(px.countDiffering(20 + box.width + 1, 0, 200 - 21 - box.width, 80, white), 0)
        << c.text << " right of its box";
    // Ink just above the last baseline: the drawing has as many lines as the measure.
    EXPECT_GT(px.countDiffering(20, 10 + box.lastBaseline - 3, box.width, 2.5, white), 4) << c.text << " last line";
    testing::keepForLooking(std::string("text-") + c.text, l, {200, 80});
  }
}

TEST_F(Measurer, SymbolsFollowTheirFontAndSitOnTheBaseline) {
  const auto small = m.measureSymbol("bolt.fill", Font::textStyle(ui::TextStyle::caption2));
  const auto big = m.measureSymbol("bolt.fill", Font::textStyle(ui::TextStyle::title2));
  EXPECT_GT(big.height, small.height);
  for (const auto& s : {small, big}) {
    EXPECT_GT(s.baseline, s.height / 2);
    EXPECT_LE(s.baseline, s.height);
  }
  EXPECT_LE(big.width, 17 * 1.2 + 1e-9);
  EXPECT_LE(big.height, 17 * 1.2 + 1e-9);
}

}  // namespace
}  // namespace render
