#include <gtest/gtest.h>

#include "Platform/Render/DisplayList.hpp"

namespace render {
namespace {

const Paint red = Paint::solid(RGBA{1, 0, 0, 1});

TextCommand run(std::string text, ui::Point origin, TextFont font = {}, double size = 12, bool mono = false) {
  TextCommand t;
  t.text = std::move(text);
  t.font = font;
  t.size = size;
  t.monospacedDigits = mono;
  t.paint = red;
  t.origin = origin;
  return t;
}

TEST(DisplayList, AppendMovesEveryKindOfCommand) {
  auto image = std::make_shared<const imageio::Image>(imageio::Image{1, 1, {0xFF00FF00}});
  DisplayList inner;
  inner.fill(Shape::capsule({0, 0, 10, 4}), Paint::linear({{0, {}}, {1, {}}}, {0, 0}, {0, 4}))
      .stroke(Shape::rectangle({1, 1, 2, 2}), red, StrokeStyle{})
      .add(run("Hi", {3, 4}))
      .add(SymbolCommand{"bolt", 10, 400, red, {5, 6, 7, 8}})
      .add(ImageCommand{{1, 2, 16, 16}, image, true})
      .pushClip(Shape::rounded({0, 0, 5, 5}, 2))
      .pushOpacity(0.5)
      .popOpacity()
      .popClip();

  DisplayList outer;
  outer.append(inner, 100, 200);

  DisplayList expected;
  expected.fill(Shape::capsule({100, 200, 10, 4}), Paint::linear({{0, {}}, {1, {}}}, {100, 200}, {100, 204}))
      .stroke(Shape::rectangle({101, 201, 2, 2}), red, StrokeStyle{})
      .add(run("Hi", {103, 204}))
      .add(SymbolCommand{"bolt", 10, 400, red, {105, 206, 7, 8}})
      .add(ImageCommand{{101, 202, 16, 16}, image, true})
      .pushClip(Shape::rounded({100, 200, 5, 5}, 2))
      .pushOpacity(0.5)
      .popOpacity()
      .popClip();
  EXPECT_EQ(outer, expected);
}

TEST(DisplayList, ListsDifferInAnyField) {
  DisplayList a, b;
  a.add(run("71", {0, 0}, {FontFamily::rounded, 600}, 40, true));
  b.add(run("71", {0, 0}, {FontFamily::rounded, 600}, 40, false));
  EXPECT_NE(a, b);
  DisplayList c = a;
  EXPECT_EQ(a, c);
  EXPECT_NE(describe(a), describe(b)) << "a failing comparison shows the difference";
}

}  // namespace
}  // namespace render
