#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "PixelProbe.hpp"
#include "Platform/Layout/TestMeasurer.hpp"
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

RGBA tileTone(ui::ColorScheme scheme) {
  return containerBackground(ui::Color::fill(ui::Level::tertiary), scheme, {}).color;
}

// How many pixels of the point rectangle (drawn at scale 2) are close to `color`.
int countNear(const testing::Pixels& px, const ui::Rect& r, Pixel color, int tolerance) {
  int n = 0;
  for (int y = int(r.y * 2); y < int(r.maxY() * 2); ++y)
    for (int x = int(r.x * 2); x < int(r.maxX() * 2); ++x) n += testing::near(px.pixel(x, y), color, tolerance);
  return n;
}

struct SchemeCase {
  const char* name;
  ui::ColorScheme scheme;
};

class ControlTileSwitch : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(ControlTileSwitch, OnAndOffDifferWhereTheSwitchIs) {
  const ui::ColorScheme scheme = GetParam().scheme;
  const ControlTileGeometry g = controlTileGeometry();
  const PangoMeasurer measurer;
  const DisplayList onList = controlTileDisplayList(toggle(true), scheme, measurer);
  const DisplayList offList = controlTileDisplayList(toggle(false), scheme, measurer);
  testing::keepForLooking(std::string("control-switch-on-") + GetParam().name, onList, g.canvas);
  testing::keepForLooking(std::string("control-switch-off-") + GetParam().name, offList, g.canvas);
  const auto on = testing::renderPixels(onList, g.canvas);
  const auto off = testing::renderPixels(offList, g.canvas);

  // The well's side, clear of the symbol: tinted when on, neutral when off.
  const double x = g.well.x + 5, y = g.well.midY();
  const RGBA neutral = composite(resolve(ui::Color::fill(ui::Level::primary), scheme), tileTone(scheme));
  EXPECT_TRUE(testing::near(on.at(x, y), pixelOf(resolve(ui::Color::blue(), scheme))));
  EXPECT_TRUE(testing::near(off.at(x, y), pixelOf(neutral)));
  EXPECT_FALSE(testing::near(on.at(x, y), off.at(x, y), 40));

  // The symbol: white on the accent colour, in the label colour on the neutral well.
  const ui::Rect middle{g.well.midX() - 8, g.well.midY() - 6, 16, 12};
  const Pixel white{255, 255, 255, 255};
  EXPECT_GT(countNear(on, middle, white, 30), 20);
  EXPECT_GT(countNear(off, middle, pixelOf(composite(resolve(ui::Color::primary(), scheme), neutral)), 40), 20);

  // Away from the well, the two tiles are the same.
  EXPECT_TRUE(testing::near(on.at(g.tile.maxX() - 6, g.tile.midY()), off.at(g.tile.maxX() - 6, g.tile.midY()), 0));
}

INSTANTIATE_TEST_SUITE_P(Schemes, ControlTileSwitch,
                         ::testing::Values(SchemeCase{"light", ui::ColorScheme::light},
                                           SchemeCase{"dark", ui::ColorScheme::dark}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControlTileLook, AToggleShowsItsTitleOverItsValueInTheColumn) {
  const layout::TestMeasurer measurer;
  const ControlTileGeometry g = controlTileGeometry();
  const DisplayList list = controlTileDisplayList(toggle(false), ui::ColorScheme::light, measurer);
  std::vector<TextCommand> texts;
  for (const Command& command : list.commands())
    if (const auto* t = std::get_if<TextCommand>(&command)) texts.push_back(*t);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "Focus");
  EXPECT_EQ(texts[1].text, "Off");
  EXPECT_LT(texts[1].size, texts[0].size);
  double bottom = 0;
  for (const TextCommand& t : texts) {
    EXPECT_EQ(t.origin.x, g.text.x);
    EXPECT_EQ(t.maxWidth, g.text.width);
    EXPECT_EQ(t.lineLimit, 1);
    layout::TextRequest r;
    r.text = t.text;
    r.font = ui::Font::system(t.size);
    EXPECT_GE(t.origin.y, bottom) << t.text << " starts below the line above";
    bottom = t.origin.y + measurer.measureText(r).height;
  }
  EXPECT_NEAR((texts[0].origin.y + bottom) / 2, g.tile.midY(), 1.0) << "the pair is centred";
}

TEST(ControlTileLook, ALongTitleIsCutBeforeTheTilesEdgeAndAnUnknownSymbolStillShows) {
  const ControlTileGeometry g = controlTileGeometry();
  const PangoMeasurer measurer;
  const ControlTile tile{"no.such.symbol", "Charge to one hundred percent once, then stop", "", std::nullopt};
  const DisplayList list = controlTileDisplayList(tile, ui::ColorScheme::light, measurer);
  testing::keepForLooking("control-long-title", list, g.canvas);
  const auto px = testing::renderPixels(list, g.canvas);
  const Pixel tone = pixelOf(tileTone(ui::ColorScheme::light));
  EXPECT_GT(px.countDiffering(g.text.x, g.text.y, g.text.width, g.text.height, tone), 100);
  // Between the column's end and the tile's edge, clear of the rounded corners, nothing is drawn.
  EXPECT_EQ(px.countDiffering(g.text.maxX() + 1, g.tile.y + 22, g.tile.maxX() - g.text.maxX() - 2, g.tile.height - 44, tone), 0);
  const RGBA neutral = composite(resolve(ui::Color::fill(ui::Level::primary), ui::ColorScheme::light), tileTone(ui::ColorScheme::light));
  EXPECT_GT(px.countDiffering(g.well.midX() - 8, g.well.midY() - 8, 16, 16, pixelOf(neutral)), 20);
}

TEST(ControlTileFiles, EachFormatAtTheCanvasSizeTimesTheScale) {
  const ui::Size canvas = controlTileGeometry().canvas;
  for (const double scale : {1.0, 2.0, 3.0}) {
    SCOPED_TRACE(scale);
    ControlTileRendering r;
    r.scale = scale;
    const testing::Pixels px(renderControlTile(toggle(true), r), scale);
    EXPECT_EQ(px.width(), int(canvas.width * scale));
    EXPECT_EQ(px.height(), int(canvas.height * scale));
  }
  struct Case {
    Format format;
    const char* start;
  };
  for (const Case& c : {Case{Format::svg, "<?xml"}, Case{Format::pdf, "%PDF-"}}) {
    ControlTileRendering r;
    r.format = c.format;
    const std::string bytes = renderControlTile(toggle(false), r);
    EXPECT_EQ(bytes.rfind(c.start, 0), 0u) << bytes.substr(0, 16);
  }
}

}  // namespace
}  // namespace render
