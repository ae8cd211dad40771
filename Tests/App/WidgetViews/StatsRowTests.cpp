#include <cmath>

#include <gtest/gtest.h>

#include "App/Widget/Views/StatsRow.hpp"
#include "TreeQuery.hpp"

namespace {

using namespace treequery;
using pellora::WidgetSnapshot;

TEST(StatsRow, ShowsWhatTheSnapshotCarries) {
  struct Case {
    const char* name;
    std::optional<double> health;
    std::optional<std::int64_t> cycles;
    std::optional<double> temperature;
    std::optional<double> watts;
    std::vector<std::string> icons;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"all four", 0.94, 212, 31.0, 6.4, {"heart.fill", "arrow.triangle.2.circlepath", "thermometer.medium", "bolt"},
       {"94%", "212", "31\u00B0", "6.4 W"}},
      {"none", std::nullopt, std::nullopt, std::nullopt, std::nullopt, {"bolt"}, {"\u2014"}},
      {"cycles and watts", std::nullopt, 3, std::nullopt, 12.3, {"arrow.triangle.2.circlepath", "bolt"}, {"3", "12 W"}},
      {"full health", 1.0, std::nullopt, std::nullopt, std::nullopt, {"heart.fill", "bolt"}, {"100%", "\u2014"}},
      {"half rounds away", 0.005, std::nullopt, 31.5, std::nullopt, {"heart.fill", "thermometer.medium", "bolt"}, {"1%", "32\u00B0", "\u2014"}},
      {"negative half", std::nullopt, -1, -0.5, std::nullopt, {"arrow.triangle.2.circlepath", "thermometer.medium", "bolt"}, {"-1", "-1\u00B0", "\u2014"}},
      {"beyond any whole number", 1e300, std::nullopt, HUGE_VAL, 0.0, {"bolt"}, {"0.0 W"}},
  };
  for (const auto& c : cases) {
    WidgetSnapshot s = WidgetSnapshot::placeholder();
    s.health = c.health;
    s.cycles = c.cycles;
    s.temperature = c.temperature;
    s.watts = c.watts;
    const ui::Json tree = dump(ui::View(pellora::StatsRow{s}));
    std::vector<std::string> icons;
    for (const ui::Json* image : all(tree, "Image")) icons.push_back(str(image->find("systemName")));
    EXPECT_EQ(icons, c.icons) << c.name;
    EXPECT_EQ(texts(tree), c.texts) << c.name;
    EXPECT_EQ(str(first(tree, "HStack").find("spacing")), "10") << c.name;
  }
}

TEST(Stat, SymbolThenTextInTheSecondaryLevelOnOneLine) {
  const ui::Json tree = dump(ui::View(pellora::Stat{"bolt", "6.4 W"}));
  const ui::Json& stack = first(tree, "HStack");
  EXPECT_EQ(str(stack.find("spacing")), "3");
  EXPECT_EQ(modifierNames(stack), (std::vector<std::string>{"foregroundStyle", "lineLimit"}));
  EXPECT_EQ(str(modifier(stack, "foregroundStyle")->find("style")), "secondary");
  EXPECT_EQ(str(modifier(stack, "lineLimit")->find("lines")), "1");
  EXPECT_EQ(modifierNames(first(tree, "Text")), (std::vector<std::string>{"font", "monospacedDigit"}));
  EXPECT_EQ(str(modifier(first(tree, "Image"), "font")->find("font")), "caption2");
}

}  // namespace
