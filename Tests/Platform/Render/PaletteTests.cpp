#include <gtest/gtest.h>

#include "Platform/Render/Palette.hpp"

namespace render {
namespace {

using ui::Color;
using ui::ColorScheme;

struct ColorCase {
  const char* name;
  Color color;
  ColorScheme scheme;
  RGBA expected;
};

class ResolveColor : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ResolveColor, GivesTheTableColour) {
  const auto& c = GetParam();
  const RGBA got = resolve(c.color, c.scheme);
  EXPECT_NEAR(got.r, c.expected.r, 1e-9) << c.name;
  EXPECT_NEAR(got.g, c.expected.g, 1e-9) << c.name;
  EXPECT_NEAR(got.b, c.expected.b, 1e-9) << c.name;
  EXPECT_NEAR(got.a, c.expected.a, 1e-9) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Palette, ResolveColor,
    ::testing::Values(
        ColorCase{"green light", Color::green(), ColorScheme::light, RGBA::hex(0x28CD41)},
        ColorCase{"green dark", Color::green(), ColorScheme::dark, RGBA::hex(0x32D74B)},
        ColorCase{"orange light", Color::orange(), ColorScheme::light, RGBA::hex(0xFF9500)},
        ColorCase{"orange dark", Color::orange(), ColorScheme::dark, RGBA::hex(0xFF9F0A)},
        ColorCase{"red light", Color::red(), ColorScheme::light, RGBA::hex(0xFF3B30)},
        ColorCase{"red dark", Color::red(), ColorScheme::dark, RGBA::hex(0xFF453A)},
        ColorCase{"blue light", Color::blue(), ColorScheme::light, RGBA::hex(0x007AFF)},
        ColorCase{"blue dark", Color::blue(), ColorScheme::dark, RGBA::hex(0x0A84FF)},
        ColorCase{"primary light", Color::primary(), ColorScheme::light, RGBA{0, 0, 0, 0.85}},
        ColorCase{"secondary light", Color::secondary(), ColorScheme::light, RGBA{0, 0, 0, 0.50}},
        ColorCase{"tertiary light", Color::tertiary(), ColorScheme::light, RGBA{0, 0, 0, 0.26}},
        ColorCase{"quaternary light", Color::quaternary(), ColorScheme::light, RGBA{0, 0, 0, 0.10}},
        ColorCase{"primary dark", Color::primary(), ColorScheme::dark, RGBA{1, 1, 1, 0.85}},
        ColorCase{"secondary dark", Color::secondary(), ColorScheme::dark, RGBA{1, 1, 1, 0.55}},
        ColorCase{"tertiary dark", Color::tertiary(), ColorScheme::dark, RGBA{1, 1, 1, 0.25}},
        ColorCase{"quaternary dark", Color::quaternary(), ColorScheme::dark, RGBA{1, 1, 1, 0.10}},
        ColorCase{"opacity multiplies alpha", Color::orange().withOpacity(0.1), ColorScheme::light,
                  RGBA::hex(0xFF9500, 0.1)},
        ColorCase{"opacity of a level", Color::primary().withOpacity(0.5), ColorScheme::dark, RGBA{1, 1, 1, 0.425}},
        ColorCase{"rgb as given", Color::rgb(0.2, 0.4, 0.6), ColorScheme::dark, RGBA{0.2, 0.4, 0.6, 1}},
        ColorCase{"clear", Color::of(ui::SystemColor::clear), ColorScheme::light, RGBA{0, 0, 0, 0}}));

TEST(Palette, StandardGradientRunsFromALighterTintDownToTheColour) {
  const RGBA green = resolve(Color::green(), ColorScheme::light);
  const Paint p = standardGradient(green, ui::Rect{10, 20, 100, 6});
  ASSERT_EQ(p.kind, Paint::Kind::linearGradient);
  ASSERT_EQ(p.stops.size(), 2u);
  EXPECT_EQ(p.stops.back().color, green);
  const RGBA top = p.stops.front().color;
  EXPECT_GT(top.r, green.r);
  EXPECT_GT(top.b, green.b);
  EXPECT_GE(top.g, green.g);
  EXPECT_LT(top.r - green.r, 0.35) << "the tint stays gentle";
  EXPECT_EQ(p.start, (ui::Point{60, 20}));
  EXPECT_EQ(p.end, (ui::Point{60, 26}));
}

TEST(Palette, ContainerBackgroundOfTheTertiaryFillIsTheTileTone) {
  const ui::Rect r{0, 0, 170, 170};
  const auto style = ui::ShapeStyle(Color::fill(ui::Level::tertiary));
  EXPECT_EQ(containerBackground(style, ColorScheme::light, r), Paint::solid(RGBA::hex(0xF2F2F4)));
  EXPECT_EQ(containerBackground(style, ColorScheme::dark, r), Paint::solid(RGBA::hex(0x2C2C2E)));
}

TEST(Palette, BackdropSetsTheTileApartInBothAppearances) {
  for (auto scheme : {ColorScheme::light, ColorScheme::dark}) {
    const RGBA tile = containerBackground(ui::ShapeStyle(Color::fill(ui::Level::tertiary)), scheme, {}).color;
    const RGBA around = backdrop(scheme);
    EXPECT_GT(std::abs(tile.r - around.r), 0.08);
    EXPECT_DOUBLE_EQ(around.r, around.g) << "a neutral grey";
  }
}

TEST(Palette, LinearGradientSpansTheBoundsWithEvenStops) {
  ui::LinearGradient g{{Color::green().withOpacity(0.35), Color::green().withOpacity(0.02)},
                       ui::UnitPoint::top(), ui::UnitPoint::bottom()};
  const Paint p = resolvePaint(ui::ShapeStyle::linear(g), ColorScheme::light, ui::Rect{0, 10, 200, 50});
  ASSERT_EQ(p.stops.size(), 2u);
  EXPECT_DOUBLE_EQ(p.stops[0].offset, 0);
  EXPECT_DOUBLE_EQ(p.stops[1].offset, 1);
  EXPECT_NEAR(p.stops[0].color.a, 0.35, 1e-12);
  EXPECT_NEAR(p.stops[1].color.a, 0.02, 1e-12);
  EXPECT_EQ(p.start, (ui::Point{100, 10}));
  EXPECT_EQ(p.end, (ui::Point{100, 60}));
}

}  // namespace
}  // namespace render
