#include <gtest/gtest.h>

#include "App/Widget/Views/Components.hpp"
#include "TreeQuery.hpp"

namespace {

using namespace treequery;
using pellora::WidgetSnapshot;

TEST(ModeLabel, SymbolAndTitleShareTheModeColour) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.mode = WidgetSnapshot::Mode::held;
  s.limit = 80;
  const ui::Json tree = dump(ui::View(pellora::ModeLabel{s}));
  const ui::Json& stack = first(tree, "HStack");
  EXPECT_EQ(str(stack.find("spacing")), "4");
  EXPECT_EQ(str(stack.find("alignment")), "center");
  EXPECT_EQ(str(modifier(stack, "foregroundStyle")->find("style")), "blue");
  const ui::Json& image = first(tree, "Image");
  EXPECT_EQ(str(image.find("systemName")), "pause.fill");
  EXPECT_EQ(str(modifier(image, "font")->find("font")), "caption2.bold");
  const ui::Json& title = first(tree, "Text");
  EXPECT_EQ(str(title.find("text")), "Held at 80%");
  EXPECT_TRUE(title.find("verbatim")->asBool());
  EXPECT_EQ(modifierNames(title), (std::vector<std::string>{"font", "lineLimit"}));
  EXPECT_EQ(str(modifier(title, "font")->find("font")), "caption.semibold");
}

TEST(BigPercent, NumberAndHalfSizeSignOnOneBaseline) {
  const ui::Json tree = dump(ui::View(pellora::BigPercent{7, 40}));
  const ui::Json& stack = first(tree, "HStack");
  EXPECT_EQ(str(stack.find("alignment")), "firstTextBaseline");
  EXPECT_EQ(str(stack.find("spacing")), "1");
  EXPECT_EQ(str(modifier(stack, "contentTransition")->find("value")), "7");
  const auto textNodes = all(tree, "Text");
  ASSERT_EQ(textNodes.size(), 2u);
  EXPECT_EQ(str(textNodes[0]->find("text")), "7");
  EXPECT_EQ(str(textNodes[0]->find("key")), "%lld");
  EXPECT_EQ(modifierNames(*textNodes[0]), (std::vector<std::string>{"font", "monospacedDigit"}));
  EXPECT_EQ(str(modifier(*textNodes[0], "font")->find("font")), "system(size: 40, weight: semibold, design: rounded)");
  EXPECT_EQ(str(textNodes[1]->find("text")), "%");
  EXPECT_FALSE(textNodes[1]->find("verbatim")->asBool());
  EXPECT_EQ(str(modifier(*textNodes[1], "font")->find("font")), "system(size: 20, weight: semibold, design: rounded)");
  EXPECT_EQ(str(modifier(*textNodes[1], "foregroundStyle")->find("style")), "secondary");
  EXPECT_EQ(texts(dump(ui::View(pellora::BigPercent{-3, 44}))), (std::vector<std::string>{"-3", "%"}));
}

TEST(LevelBar, FillAndMarkerFollowTheTrackWidth) {
  struct Case {
    std::int64_t percent, limit;
    double width;
    ui::Color tint;
    std::string fillWidth;
    std::optional<std::string> markerOffset;  // absent: no marker
    std::string paint;
  };
  const Case cases[] = {
      {72, 80, 200, ui::Color::primary(), "144", "159", "primary.opacity(0.75)"},
      {0, 80, 200, ui::Color::green(), "5", "159", "green.gradient"},
      {2, 99, 200, ui::Color::orange(), "5", "197", "orange.gradient"},
      {100, 100, 200, ui::Color::blue(), "200", std::nullopt, "blue.gradient"},
      {150, 101, 200, ui::Color::red(), "300", std::nullopt, "red.gradient"},
      {-20, 0, 200, ui::Color::red(), "5", "-1", "red.gradient"},
      {50, 50, 137, ui::Color::primary(), "68.5", "67.5", "primary.opacity(0.75)"},
  };
  for (const auto& c : cases) {
    const ui::Json tree = dump(ui::View(pellora::LevelBar{c.percent, c.limit, c.tint}), {c.width, 6});
    const ui::Json& reader = first(tree, "GeometryReader");
    EXPECT_EQ(str(modifier(reader, "frame")->find("height")), "6");
    const auto capsules = all(tree, "Capsule");
    ASSERT_EQ(capsules.size(), c.markerOffset ? 3u : 2u) << c.percent << "/" << c.limit;
    EXPECT_EQ(str(capsules[0]->find("fill")->find("style")), "quaternary");
    EXPECT_EQ(str(capsules[1]->find("fill")->find("style")), c.paint);
    EXPECT_EQ(str(modifier(*capsules[1], "frame")->find("width")), c.fillWidth) << c.percent;
    EXPECT_EQ(str(modifier(*capsules[1], "frame")->find("height")), "6");
    if (c.markerOffset) {
      EXPECT_EQ(str(capsules[2]->find("fill")->find("style")), "secondary");
      EXPECT_EQ(str(modifier(*capsules[2], "frame")->find("width")), "2");
      EXPECT_EQ(str(modifier(*capsules[2], "frame")->find("height")), "10");
      EXPECT_EQ(str(modifier(*capsules[2], "offset")->find("x")), *c.markerOffset) << c.limit;
      EXPECT_EQ(str(modifier(*capsules[2], "offset")->find("y")), "0");
    }
  }
}

}  // namespace
