#include <gtest/gtest.h>

#include "App/Widget/Views/AppRows.hpp"
#include "TreeQuery.hpp"

namespace {

using namespace treequery;
using App = pellora::WidgetSnapshot::App;

std::vector<App> apps(std::initializer_list<std::pair<const char*, double>> list) {
  std::vector<App> out;
  for (const auto& [name, w] : list) out.push_back({.name = name, .watts = w});
  return out;
}

// The share bars' widths on a region 100 points wide, in row order.
std::vector<std::string> barWidths(const ui::Json& tree) {
  std::vector<std::string> out;
  for (const ui::Json* capsule : all(tree, "Capsule")) out.push_back(str(modifier(*capsule, "frame")->find("width")));
  return out;
}

TEST(AppRows, RowsBarsAndTexts) {
  struct Case {
    const char* name;
    std::vector<App> apps;
    std::int64_t limit;
    std::vector<std::string> texts;
    std::vector<std::string> bars;
  };
  const Case cases[] = {
      {"empty", {}, 3, {"Nothing using much power"}, {}},
      {"limit 0", apps({{"Safari", 1}}), 0, {"Nothing using much power"}, {}},
      {"placeholder draws", apps({{"Safari", 1.8}, {"Xcode", 1.1}, {"Mail", 0.3}}), 3,
       {"Safari", "1.8 W", "Xcode", "1.1 W", "Mail", "0.3 W"}, {"100", "61.111111111111114", "16.666666666666668"}},
      {"first three of seven, scaled to them",
       apps({{"A", 1}, {"B", 2}, {"C", 0.5}, {"D", 50}, {"E", 1}, {"F", 1}, {"G", 1}}), 3,
       {"A", "1.0 W", "B", "2.0 W", "C", "0.5 W"}, {"50", "100", "25"}},
      {"all idle", apps({{"A", 0}, {"B", 0}}), 5, {"A", "0.0 W", "B", "0.0 W"}, {"3", "3"}},
      {"formats by the unrounded value", apps({{"A", 9.96}, {"B", 10.0}, {"C", 0.04}}), 5,
       {"A", "10.0 W", "B", "10 W", "C", "0.0 W"}, {"99.60000000000001", "100", "3"}},
      {"fewer than the limit", apps({{"Only", 4}}), 5, {"Only", "4.0 W"}, {"100"}},
  };
  for (const auto& c : cases) {
    const ui::Json tree = dump(ui::View(pellora::AppRows{c.apps, c.limit}), {100, 3});
    EXPECT_EQ(texts(tree), c.texts) << c.name;
    EXPECT_EQ(barWidths(tree), c.bars) << c.name;
  }
}

TEST(AppRows, RowStructure) {
  const ui::Json tree = dump(ui::View(pellora::AppRows{apps({{"Safari", 1.8}, {"Mail", 0.3}}), 3}), {100, 3});
  const ui::Json& list = first(tree, "VStack");
  EXPECT_EQ(str(list.find("alignment")), "leading");
  EXPECT_EQ(str(list.find("spacing")), "6");
  EXPECT_EQ(str(first(tree, "ForEach").find("ids")), R"(["Safari","Mail"])");
  const ui::Json& row = first(tree, "HStack");
  EXPECT_EQ(str(row.find("spacing")), "7");
  EXPECT_EQ(all(row, "AppIconImage").size(), 1u);
  const auto textNodes = all(row, "Text");
  EXPECT_EQ(modifierNames(*textNodes[0]), (std::vector<std::string>{"font", "lineLimit"}));
  EXPECT_EQ(modifierNames(*textNodes[1]), (std::vector<std::string>{"font", "foregroundStyle", "monospacedDigit"}));
  EXPECT_EQ(str(modifier(*textNodes[1], "font")->find("font")), "caption2");
  EXPECT_EQ(str(first(row, "Spacer").find("minLength")), "4");
  const ui::Json& bar = first(row, "Capsule");
  EXPECT_EQ(str(bar.find("fill")->find("style")), "orange.opacity(0.65)");
  EXPECT_EQ(str(modifier(first(row, "GeometryReader"), "frame")->find("height")), "3");
}

}  // namespace
