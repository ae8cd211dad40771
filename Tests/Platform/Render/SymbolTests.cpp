#include <gtest/gtest.h>

#include <set>

#include "PixelProbe.hpp"
#include "Platform/Render/Symbols.hpp"

namespace render {
namespace {

using testing::Pixel;

constexpr double fontSize = 24;
const Pixel white{255, 255, 255, 255};

// One symbol drawn black on white in its own box, at (4, 4).
DisplayList symbolOnWhite(std::string_view name, ui::Size canvas = {40, 40}) {
  const auto box = symbolBox(name, fontSize);
  DisplayList l;
  l.fill(Shape::rectangle({0, 0, canvas.width, canvas.height}), Paint::solid(RGBA{1, 1, 1, 1}));
  l.add(SymbolCommand{std::string(name), fontSize, 400, Paint::solid(RGBA{0, 0, 0, 1}), {4, 4, box.width, box.height}});
  return l;
}

std::string pngOf(std::string_view name) {
  return renderToBytes(symbolOnWhite(name), Canvas{{40, 40}}, Format::png);
}

class EverySymbol : public ::testing::TestWithParam<std::string_view> {};

TEST_P(EverySymbol, DrawsInkInsideItsBox) {
  const std::string_view name = GetParam();
  const auto box = symbolBox(name, fontSize);
  const auto px = testing::Pixels(pngOf(name), 2);
  const int area = int(box.width * box.height * 4);
  const int ink = px.countDiffering(4, 4, box.width, box.height, white);
  EXPECT_GT(ink, area / 20) << name << " draws a visible glyph";
  EXPECT_LT(ink, area * 9 / 10) << name << " is a glyph, not a block";
  EXPECT_EQ(px.countDiffering(4 + box.width + 0.5, 0, 40 - 4.5 - box.width, 40, white), 0) << name << " stays in its box";
  EXPECT_EQ(px.countDiffering(0, 4 + box.height + 0.5, 40, 40 - 4.5 - box.height, white), 0) << name << " stays in its box";
  std::string file(name);
  testing::keepForLooking("symbol-" + file, symbolOnWhite(name), {40, 40});
}

INSTANTIATE_TEST_SUITE_P(Table, EverySymbol, ::testing::ValuesIn(knownSymbols()), [](const auto& info) {
  std::string n(info.param);
  for (auto& c : n) if (c == '.') c = '_';
  return n;
});

TEST(Symbols, TheWidgetsNamesAreAllKnown) {
  for (const char* name : {"bolt.fill", "bolt", "battery.0percent", "battery.25percent", "battery.50percent",
                           "battery.75percent", "battery.100percent", "battery.100percent.bolt", "pause.fill",
                           "checkmark", "app.dashed", "heart.fill", "arrow.triangle.2.circlepath",
                           "thermometer.medium", "lightbulb.fill", "bolt.batteryblock.fill", "bolt.batteryblock",
                           "gauge.with.dots.needle.33percent"})
    EXPECT_TRUE(isKnownSymbol(name)) << name;
  EXPECT_FALSE(isKnownSymbol("no.such.symbol"));
}

TEST(Symbols, EveryNameDrawsItsOwnPicture) {
  std::set<std::string> pictures;
  for (auto name : knownSymbols()) pictures.insert(pngOf(name));
  EXPECT_EQ(pictures.size(), knownSymbols().size());
}

// The higher the level a battery symbol names, the more of its box is inked.
TEST(Symbols, BatteryLevelsShowTheirLevel) {
  int previous = -1;
  for (const char* name : {"battery.0percent", "battery.25percent", "battery.50percent", "battery.75percent",
                           "battery.100percent"}) {
    const auto box = symbolBox(name, fontSize);
    const int ink = testing::Pixels(pngOf(name), 2).countDiffering(4, 4, box.width, box.height, white);
    EXPECT_GT(ink, previous) << name;
    previous = ink;
  }
}

TEST(Symbols, AnUnknownNameDrawsAVisibleBox) {
  const auto box = symbolBox("no.such.symbol", fontSize);
  EXPECT_GT(box.width, fontSize * 0.8);
  const auto px = testing::Pixels(pngOf("no.such.symbol"), 2);
  EXPECT_GT(px.countDiffering(4, 4, box.width, box.height, white), int(box.width * box.height * 4 / 10 / 2));
  // The centre is crossed, so even the middle is inked.
  EXPECT_LT(px.at(4 + box.width / 2, 4 + box.height / 2).r, 128);
  testing::keepForLooking("symbol-unknown", symbolOnWhite("no.such.symbol"), {40, 40});
}

TEST(Symbols, TakeTheirPaint) {
  DisplayList l;
  l.fill(Shape::rectangle({0, 0, 40, 40}), Paint::solid(RGBA{1, 1, 1, 1}));
  const auto box = symbolBox("battery.100percent", fontSize);
  l.add(SymbolCommand{"battery.100percent", fontSize, 400, Paint::solid(RGBA::hex(0x28CD41)), {4, 4, box.width, box.height}});
  const auto px = testing::renderPixels(l, {40, 40});
  EXPECT_TRUE(testing::near(px.at(4 + box.width * 0.4, 4 + box.height / 2), Pixel{0x28, 0xCD, 0x41, 255}, 6));
}

}  // namespace
}  // namespace render
