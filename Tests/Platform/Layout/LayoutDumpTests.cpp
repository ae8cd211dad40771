#include <gtest/gtest.h>

#include "LayoutFixture.hpp"
#include "Platform/Layout/LayoutDump.hpp"

namespace layout::testing {
namespace {

ui::Json frame(double x, double y, double w, double h) {
  return ui::Json::object({{"x", x}, {"y", y}, {"width", w}, {"height", h}});
}

TEST(LayoutDump, GivesEveryNodeItsFrameWithItsModifiersFolded) {
  TestMeasurer measurer;
  ui::View root = ui::VStack(ui::HorizontalAlignment::leading, 4,
                             {ui::Text::verbatim("ab").font(ui::Font::system(10)).padding(2),
                              ui::Spacer(0),
                              ui::GeometryReader([](const ui::GeometryProxy& g) {
                                return ui::Capsule().frame(g.size.width / 2, g.size.height);
                              }).frame(std::nullopt, 6)})
                      .frame({.maxWidth = ui::infinity, .maxHeight = ui::infinity});
  const ui::Json dump = dumpJSON(layoutTree(root, {100, 50}, measurer));

  EXPECT_EQ(*dump.find("type"), "VStack");
  EXPECT_EQ(*dump.find("frame"), frame(0, 0, 100, 50));
  const auto& children = dump.find("children")->asArray();
  ASSERT_EQ(children.size(), 3u);

  const ui::Json& text = children[0];
  EXPECT_EQ(*text.find("type"), "Text");
  EXPECT_EQ(*text.find("frame"), frame(0, 0, 14, 16));         // with its padding
  EXPECT_EQ(*text.find("contentFrame"), frame(2, 2, 10, 12));  // the text itself
  const auto& modifiers = text.find("modifiers")->asArray();
  ASSERT_EQ(modifiers.size(), 2u);
  EXPECT_EQ(*modifiers[0].find("name"), "font");
  EXPECT_EQ(*modifiers[1].find("name"), "padding");
  EXPECT_EQ(*text.find("fit")->find("truncated"), false);

  EXPECT_EQ(*children[1].find("frame"), frame(0, 20, 0, 20));  // the spacer takes what is left

  const ui::Json& reader = children[2];
  EXPECT_EQ(*reader.find("type"), "GeometryReader");
  EXPECT_EQ(*reader.find("frame"), frame(0, 44, 100, 6));
  EXPECT_EQ(*reader.find("children")->asArray().front().find("frame"), frame(0, 44, 50, 6));
}

TEST(LayoutDump, ShowsBackgroundsWithTheirOwnFrames) {
  TestMeasurer measurer;
  ui::View root = ui::Text::verbatim("abcd").font(ui::Font::system(10)).padding(5).background(ui::Capsule());
  const ui::Json dump = dumpJSON(layoutTree(root, {100, 50}, measurer));
  const ui::Json& background = dump.find("modifiers")->asArray().back();
  EXPECT_EQ(*background.find("name"), "background");
  EXPECT_EQ(*background.find("content")->find("type"), "Capsule");
  EXPECT_EQ(*background.find("content")->find("frame"), frame(0, 0, 30, 22));
  const std::string text = dumpText(layoutTree(root, {100, 50}, measurer));
  EXPECT_NE(text.find("Text text=\"abcd\" verbatim=true @(0, 0, 30x22)"), std::string::npos) << text;
}

}  // namespace
}  // namespace layout::testing
