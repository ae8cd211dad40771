#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "PixelProbe.hpp"
#include "Platform/Render/Backend.hpp"

namespace render {
namespace {

using testing::Pixel;
using testing::Pixels;
using testing::near;
using testing::renderPixels;

const Paint white = Paint::solid(RGBA{1, 1, 1, 1});
const Paint red = Paint::solid(RGBA{1, 0, 0, 1});
const Paint blue = Paint::solid(RGBA{0, 0, 1, 1});

DisplayList onWhite(ui::Size size) {
  DisplayList list;
  list.fill(Shape::rectangle({0, 0, size.width, size.height}), white);
  return list;
}

struct ProbeCase {
  const char* name;
  DisplayList list;
  ui::Point where;  // in points
  Pixel expected;
};

class Probe : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(Probe, PixelHasTheExpectedColour) {
  const auto& c = GetParam();
  const Pixels px = renderPixels(c.list, {40, 40});
  ASSERT_TRUE(px.valid());
  const Pixel got = px.at(c.where.x, c.where.y);
  EXPECT_TRUE(near(got, c.expected, 3)) << c.name << ": got " << got.r << "," << got.g << "," << got.b << ","
                                        << got.a;
  testing::keepForLooking(std::string("probe-") + c.name, c.list, {40, 40});
}

ProbeCase capsuleCentre() {
  DisplayList l = onWhite({40, 40});
  l.fill(Shape::capsule({5, 17, 30, 6}), Paint::solid(RGBA::hex(0x28CD41)));
  return {"capsule-centre", l, {20, 20}, {0x28, 0xCD, 0x41, 255}};
}
ProbeCase capsuleEndIsRound() {
  DisplayList l = onWhite({40, 40});
  l.fill(Shape::capsule({5, 10, 30, 20}), red);
  return {"capsule-corner-outside", l, {5.5, 10.5}, {255, 255, 255, 255}};
}
ProbeCase halfOpacityGroup() {
  DisplayList l = onWhite({40, 40});
  l.pushOpacity(0.5).fill(Shape::rectangle({0, 0, 40, 40}), red).fill(Shape::rectangle({0, 0, 20, 40}), blue).popOpacity();
  // Inside the group blue covers red; the group as a whole is half transparent over white.
  return {"opacity-group", l, {10, 20}, {128, 128, 255, 255}};
}
ProbeCase halfOpacityGroupOther() {
  DisplayList l = onWhite({40, 40});
  l.pushOpacity(0.5).fill(Shape::rectangle({0, 0, 40, 40}), red).fill(Shape::rectangle({0, 0, 20, 40}), blue).popOpacity();
  return {"opacity-group-red", l, {30, 20}, {255, 128, 128, 255}};
}
ProbeCase clipKeepsOutside() {
  DisplayList l = onWhite({40, 40});
  l.pushClip(Shape::rectangle({0, 0, 20, 40})).fill(Shape::rectangle({0, 0, 40, 40}), red).popClip();
  return {"clip-outside", l, {30, 20}, {255, 255, 255, 255}};
}
ProbeCase clipDrawsInside() {
  DisplayList l = onWhite({40, 40});
  l.pushClip(Shape::rectangle({0, 0, 20, 40})).fill(Shape::rectangle({0, 0, 40, 40}), red).popClip();
  return {"clip-inside", l, {10, 20}, {255, 0, 0, 255}};
}
ProbeCase gradientTop() {
  DisplayList l;
  l.fill(Shape::rectangle({0, 0, 40, 40}), Paint::linear({{0, RGBA{1, 0, 0, 1}}, {1, RGBA{0, 0, 1, 1}}}, {0, 0}, {0, 40}));
  return {"gradient-top", l, {20, 0.2}, {253, 0, 2, 255}};
}
ProbeCase gradientBottom() {
  DisplayList l;
  l.fill(Shape::rectangle({0, 0, 40, 40}), Paint::linear({{0, RGBA{1, 0, 0, 1}}, {1, RGBA{0, 0, 1, 1}}}, {0, 0}, {0, 40}));
  return {"gradient-bottom", l, {20, 39.8}, {2, 0, 253, 255}};
}
ProbeCase dashedStrokeGap() {
  DisplayList l = onWhite({40, 40});
  Path p;
  p.moveTo({0, 20}).lineTo({40, 20});
  l.stroke(Shape::fromPath(p), red, StrokeStyle{2, LineCap::butt, LineJoin::miter, 10, {3, 3}, 0});
  return {"dash-gap", l, {4.5, 20}, {255, 255, 255, 255}};
}
ProbeCase dashedStrokeOn() {
  DisplayList l = onWhite({40, 40});
  Path p;
  p.moveTo({0, 20}).lineTo({40, 20});
  l.stroke(Shape::fromPath(p), red, StrokeStyle{2, LineCap::butt, LineJoin::miter, 10, {3, 3}, 0});
  return {"dash-on", l, {1.5, 20}, {255, 0, 0, 255}};
}
ProbeCase stretchedImage() {
  // A 2 × 1 image, red then blue, stretched over 40 × 40 points.
  auto image = std::make_shared<const imageio::Image>(imageio::Image{2, 1, {0xFFFF0000, 0xFF0000FF}});
  DisplayList l;
  l.add(ImageCommand{{0, 0, 40, 40}, image, true});
  return {"image-stretched", l, {35, 5}, {0, 0, 255, 255}};
}

INSTANTIATE_TEST_SUITE_P(Backend, Probe,
                         ::testing::Values(capsuleCentre(), capsuleEndIsRound(), halfOpacityGroup(),
                                           halfOpacityGroupOther(), clipKeepsOutside(), clipDrawsInside(),
                                           gradientTop(), gradientBottom(), dashedStrokeGap(), dashedStrokeOn(),
                                           stretchedImage()),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           for (auto& c : n) if (c == '-') c = '_';
                           return n;
                         });

TEST(Backend, PngHasThePixelsOfItsDeviceScale) {
  for (double scale : {1.0, 2.0, 3.0}) {
    const Pixels px = renderPixels(onWhite({10, 20}), {10, 20}, scale);
    EXPECT_EQ(px.width(), int(10 * scale));
    EXPECT_EQ(px.height(), int(20 * scale));
  }
}

// A PNG is drawn a band of rows at a time; the bands must meet without a seam. Everything here
// crosses band edges: a translucent gradient, a curve, text, a symbol, a faded clipped group,
// and pixels left transparent.
TEST(Backend, APngDrawnInBandsHasThePixelsOfOneWholePicture) {
  DisplayList l;
  l.fill(Shape::rounded({2, 3, 30, 25}, 8), Paint::linear({{0, RGBA{1, 0, 0, 0.8}}, {1, RGBA{0, 0, 1, 0.3}}}, {0, 3}, {0, 28}));
  Path curve;
  curve.moveTo({1, 30}).curveTo({10, 0}, {25, 40}, {39, 5});
  l.stroke(Shape::fromPath(curve), blue, StrokeStyle::ofWidth(1.5));
  TextCommand text;
  text.text = "Hg 72%";
  text.size = 13;
  text.paint = red;
  text.origin = {3, 9.3};
  l.add(text);
  SymbolCommand bolt;
  bolt.name = "bolt.fill";
  bolt.fontSize = 11;
  bolt.paint = blue;
  bolt.rect = {24, 17.6, 12, 12};
  l.add(bolt);
  l.pushClip(Shape::ellipse({5, 20, 20, 15})).pushOpacity(0.5).fill(Shape::rectangle({0, 0, 40, 40}), red).popOpacity().popClip();

  const Canvas canvas{{40, 37}, 3};
  const Pixels whole(detail::renderPngInBands(l, canvas, 1000), 3);
  ASSERT_TRUE(whole.valid());
  for (int band : {1, 7, 64}) {
    const Pixels banded(detail::renderPngInBands(l, canvas, band), 3);
    ASSERT_EQ(banded.height(), whole.height());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
      for (int x = 0; x < whole.width(); ++x)
        if (!near(banded.pixel(x, y), whole.pixel(x, y), 0)) ++differing;
    EXPECT_EQ(differing, 0) << "bands of " << band << " rows";
  }
}

TEST(Backend, VectorFormatsAreWellFormedAndReproducible) {
  DisplayList l = onWhite({40, 30});
  TextCommand hello;
  hello.text = "Hello";
  hello.paint = red;
  hello.origin = {2, 2};
  l.add(hello);
  const std::string svg = renderToBytes(l, Canvas{{40, 30}}, Format::svg);
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"40pt\""), std::string::npos);
  const std::string pdf = renderToBytes(l, Canvas{{40, 30}}, Format::pdf);
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(pdf, renderToBytes(l, Canvas{{40, 30}}, Format::pdf));
  EXPECT_EQ(svg, renderToBytes(l, Canvas{{40, 30}}, Format::svg));
}

TEST(Backend, RejectsPopsWithoutPushes) {
  for (auto make : {+[](DisplayList& l) { l.popOpacity(); }, +[](DisplayList& l) { l.popClip(); },
                    +[](DisplayList& l) { l.pushOpacity(0.5).popClip(); }}) {
    DisplayList l;
    make(l);
    EXPECT_THROW(renderToBytes(l, Canvas{{4, 4}}, Format::png), std::invalid_argument);
  }
}

TEST(Backend, RejectsAnEmptyCanvas) {
  EXPECT_THROW(renderToBytes(DisplayList{}, Canvas{{0, 10}}, Format::png), std::runtime_error);
  EXPECT_THROW(renderToBytes(DisplayList{}, Canvas{{10, 10}, 0}, Format::png), std::runtime_error);
}

TEST(Backend, FormatFollowsTheFileName) {
  EXPECT_EQ(formatForPath("a/b.SVG"), Format::svg);
  EXPECT_EQ(formatForPath("x.pdf"), Format::pdf);
  EXPECT_EQ(formatForPath("x.png"), Format::png);
  EXPECT_EQ(formatForPath("noext"), Format::png);
}

class RenderFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("render-file-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::size_t entries() const {
    return std::size_t(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()));
  }
  std::filesystem::path dir_;
};

TEST_F(RenderFile, ReplacesTheTargetAndLeavesNoTemporary) {
  const auto target = dir_ / "tile.png";
  { std::ofstream(target) << "old"; }
  renderToFile(onWhite({8, 8}), Canvas{{8, 8}}, Format::png, target);
  std::ifstream in(target, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_EQ(s.str(), renderToBytes(onWhite({8, 8}), Canvas{{8, 8}}, Format::png));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(RenderFile, FailsIntoAMissingFolderWithoutLeavingAnything) {
  EXPECT_THROW(renderToFile(onWhite({8, 8}), Canvas{{8, 8}}, Format::png, dir_ / "missing" / "tile.png"),
               std::system_error);
  EXPECT_EQ(entries(), 0u);
}

TEST_F(RenderFile, FailsOverAFolderAndRemovesItsTemporary) {
  const auto target = dir_ / "taken";
  std::filesystem::create_directories(target / "inside");
  EXPECT_THROW(renderToFile(onWhite({8, 8}), Canvas{{8, 8}}, Format::svg, target), std::system_error);
  EXPECT_EQ(entries(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(target));
}

}  // namespace
}  // namespace render
