#include <gtest/gtest.h>

#include "PixelProbe.hpp"
#include "Platform/Render/Palette.hpp"
#include "Platform/Render/Tile.hpp"

namespace render {
namespace {

using testing::Pixel;
using wk::WidgetFamily;

Tile tileOf(ui::Size size, ui::ColorScheme scheme = ui::ColorScheme::light) {
  Tile t;
  t.size = size;
  t.scheme = scheme;
  return t;
}

Pixel pixelOf(RGBA c) { return {int(c.r * 255 + 0.5), int(c.g * 255 + 0.5), int(c.b * 255 + 0.5), 255}; }

struct FamilyCase {
  WidgetFamily family;
  ui::Size size;
};

class TileFamily : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(TileFamily, HasItsSizeAndContentMargins) {
  const auto& c = GetParam();
  EXPECT_EQ(tileSize(c.family), c.size);
  const Tile tile = tileOf(tileSize(c.family));
  EXPECT_EQ(tile.canvas(), (ui::Size{c.size.width + 40, c.size.height + 40}));
  EXPECT_EQ(tile.contentRect(), (ui::Rect{36, 36, c.size.width - 32, c.size.height - 32}));
}

INSTANTIATE_TEST_SUITE_P(Families, TileFamily,
                         ::testing::Values(FamilyCase{WidgetFamily::systemSmall, {170, 170}},
                                           FamilyCase{WidgetFamily::systemMedium, {364, 170}},
                                           FamilyCase{WidgetFamily::systemLarge, {364, 382}}));

struct SchemeCase {
  const char* name;
  ui::ColorScheme scheme;
};

class TileLook : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(TileLook, BackgroundInsideBackdropOutsideAndRoundCorners) {
  const auto scheme = GetParam().scheme;
  const Tile tile = tileOf(tileSize(WidgetFamily::systemSmall), scheme);
  DisplayList content;
  // Content that tries to paint past the tile is cut at its rounded edge.
  content.fill(Shape::rectangle({-30, -30, 40, 40}), Paint::solid(RGBA{1, 0, 0, 1}));
  const DisplayList list = drawTile(tile, content);
  testing::keepForLooking(std::string("tile-") + GetParam().name, list, tile.canvas());
  const auto px = testing::renderPixels(list, tile.canvas());
  const Pixel background = pixelOf(containerBackground(ui::ShapeStyle(ui::Color::fill(ui::Level::tertiary)), scheme, {}).color);
  const Pixel around = pixelOf(backdrop(scheme));
  EXPECT_TRUE(testing::near(px.at(105, 105), background)) << "the tile's middle";
  EXPECT_TRUE(testing::near(px.at(5, 5), around)) << "the backdrop";
  EXPECT_TRUE(testing::near(px.at(21, 21), around)) << "outside the rounded corner";
  EXPECT_TRUE(testing::near(px.at(30, 30), Pixel{255, 0, 0, 255})) << "content reaches the tile's edge";
  EXPECT_TRUE(testing::near(px.at(40, 40), Pixel{255, 0, 0, 255})) << "content origin at the margin";
  EXPECT_TRUE(testing::near(px.at(47, 47), background)) << "content ends where it was told";
}

INSTANTIATE_TEST_SUITE_P(Schemes, TileLook,
                         ::testing::Values(SchemeCase{"light", ui::ColorScheme::light}, SchemeCase{"dark", ui::ColorScheme::dark}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TileLook, LightAndDarkDiffer) {
  const Tile light = tileOf(tileSize(WidgetFamily::systemSmall), ui::ColorScheme::light);
  const Tile dark = tileOf(tileSize(WidgetFamily::systemSmall), ui::ColorScheme::dark);
  const Pixel l = testing::renderPixels(drawTile(light, DisplayList{}), light.canvas()).at(105, 105);
  const Pixel d = testing::renderPixels(drawTile(dark, DisplayList{}), dark.canvas()).at(105, 105);
  EXPECT_GT(l.r, 230);
  EXPECT_LT(d.r, 60);
}

}  // namespace
}  // namespace render
