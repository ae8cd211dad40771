#include <gtest/gtest.h>

#include "PixelProbe.hpp"
#include "Platform/Render/ControlTile.hpp"
#include "Platform/Render/Palette.hpp"
#include "Platform/Render/PangoMeasurer.hpp"

namespace render {
namespace {

using testing::Pixel;

Pixel pixelOf(RGBA c) { return {int(c.r * 255 + 0.5), int(c.g * 255 + 0.5), int(c.b * 255 + 0.5), 255}; }

struct ControlCase {
  const char* name;
  ControlTile tile;
  ui::ColorScheme scheme;
  bool accentWell;  // the well in the accent colour (a toggle that is on)
};

class ControlTileLook : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlTileLook, WellTextsAndTileAreWhereTheGeometrySays) {
  const auto& c = GetParam();
  const ControlTileGeometry g = controlTileGeometry();
  const PangoMeasurer measurer;
  const DisplayList list = controlTileDisplayList(c.tile, c.scheme, measurer);
  testing::keepForLooking(std::string("control-") + c.name, list, g.canvas);
  const auto px = testing::renderPixels(list, g.canvas);
  EXPECT_EQ(px.width(), int(g.canvas.width * 2));

  // Just inside the well's rim, clear of the symbol.
  const Pixel rim = px.at(g.well.midX(), g.well.minY() + 3);
  const RGBA tone = containerBackground(ui::Color::fill(ui::Level::tertiary), c.scheme, {}).color;
  const Pixel accent = pixelOf(resolve(ui::Color::blue(), c.scheme));
  const Pixel neutral = pixelOf(composite(resolve(ui::Color::fill(ui::Level::primary), c.scheme), tone));
  EXPECT_TRUE(testing::near(rim, c.accentWell ? accent : neutral, 4)) << c.name;
  // The symbol draws in the middle of the well.
  EXPECT_GT(px.countDiffering(g.well.x + 10, g.well.y + 10, 20, 20, c.accentWell ? accent : neutral), 20);
  // The texts draw in their column, and the backdrop stays outside the tile.
  EXPECT_GT(px.countDiffering(g.text.x, g.text.y, g.text.width, g.text.height, pixelOf(tone)), 50);
  EXPECT_TRUE(testing::near(px.at(3, 3), pixelOf(backdrop(c.scheme))));
}

ControlTile toggle(bool on) { return {"bolt.batteryblock.fill", "Focus", on ? "On" : "Off", on}; }

INSTANTIATE_TEST_SUITE_P(Controls, ControlTileLook,
                         ::testing::Values(ControlCase{"toggle_on_light", toggle(true), ui::ColorScheme::light, true},
                                           ControlCase{"toggle_off_dark", toggle(false), ui::ColorScheme::dark, false},
                                           ControlCase{"button_light", {"bolt.fill", "Open Settings", "", std::nullopt},
                                                       ui::ColorScheme::light, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControlTileLook, AButtonsTitleStandsAloneOnTheMiddle) {
  const PangoMeasurer measurer;
  const DisplayList list = controlTileDisplayList({"bolt.fill", "Open Settings", "", std::nullopt},
                                                  ui::ColorScheme::light, measurer);
  std::vector<const TextCommand*> texts;
  for (const auto& c : list.commands())
    if (const auto* t = std::get_if<TextCommand>(&c)) texts.push_back(t);
  ASSERT_EQ(texts.size(), 1u);
  const ControlTileGeometry g = controlTileGeometry();
  layout::TextRequest r;
  r.text = texts[0]->text;
  r.font = ui::Font::system(13, ui::Weight::semibold);
  const double height = measurer.measureText(r).height;
  EXPECT_NEAR(texts[0]->origin.y + height / 2, g.tile.midY(), 1e-9);
}

}  // namespace
}  // namespace render
