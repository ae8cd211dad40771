#include <gtest/gtest.h>

#include "App/Widget/Views/Layouts.hpp"
#include "TreeQuery.hpp"

namespace {

using namespace treequery;
using pellora::Entry;
using pellora::WidgetSnapshot;
using Mode = WidgetSnapshot::Mode;

Entry entryOf(const WidgetSnapshot& s, std::int64_t percent) { return Entry{s.updated, s, percent}; }

std::vector<std::string> childTypes(const ui::Json& node) {
  std::vector<std::string> out;
  for (const auto& c : children(node).asArray()) out.push_back(str(c.find("type")));
  return out;
}

TEST(SmallView, StacksModeChargeBarAndTexts) {
  const WidgetSnapshot s = WidgetSnapshot::placeholder();
  const ui::Json tree = dump(ui::View(pellora::SmallView{entryOf(s, 72), s}));
  const ui::Json& stack = first(tree, "VStack");
  EXPECT_EQ(childTypes(stack), (std::vector<std::string>{"ModeLabel", "Spacer", "BigPercent", "LevelBar", "Text", "Text"}));
  EXPECT_EQ(str(stack.find("spacing")), "0");
  EXPECT_TRUE(unbounded(modifier(stack, "frame")->find("maxWidth")));
  EXPECT_EQ(str(modifier(stack, "frame")->find("alignment")), "leading");
  EXPECT_EQ(str(first(tree, "Spacer").find("minLength")), "0");
  EXPECT_EQ(str(modifier(first(tree, "LevelBar"), "padding")->find("edges")), "vertical");
  const auto& kids = children(stack).asArray();
  EXPECT_EQ(modifierNames(kids[4]), (std::vector<std::string>{"font", "lineLimit", "minimumScaleFactor"}));
  EXPECT_EQ(str(modifier(kids[4], "minimumScaleFactor")->find("factor")), "0.8");
  EXPECT_EQ(str(kids[5].find("key")), "Using %@");
  EXPECT_EQ(modifier(kids[5], "lineLimit"), nullptr);
}

TEST(SmallView, NumberFollowsTheEntryColoursFollowTheSnapshot) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.percent = 21;
  const ui::Json tree = dump(ui::View(pellora::SmallView{entryOf(s, 19), s}));
  EXPECT_EQ(texts(first(tree, "BigPercent"))[0], "19");
  EXPECT_EQ(str(modifier(first(first(tree, "ModeLabel"), "HStack"), "foregroundStyle")->find("style")), "secondary");
  EXPECT_EQ(str(all(first(tree, "LevelBar"), "Capsule")[1]->find("fill")->find("style")), "primary.opacity(0.75)");
  EXPECT_EQ(str(first(tree, "Image").find("systemName")), "battery.25percent");
}

TEST(SmallView, PowerLine) {
  const std::pair<std::optional<double>, const char*> cases[] = {{std::nullopt, "Using \u2014"}, {6.4, "Using 6.4 W"}, {12.3, "Using 12 W"}};
  for (const auto& [w, text] : cases) {
    WidgetSnapshot s = WidgetSnapshot::placeholder();
    s.watts = w;
    EXPECT_EQ(texts(dump(ui::View(pellora::SmallView{entryOf(s, 72), s}))).back(), text);
  }
}

TEST(MediumView, SmallColumnBesideAppsAndStats) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  for (int i = 0; i < 2; ++i) s.topApps.push_back({.name = "Extra" + std::to_string(i), .watts = 0.1});
  const ui::Json tree = dump(ui::View(pellora::MediumView{entryOf(s, 72), s}));
  const ui::Json& row = first(tree, "HStack");
  EXPECT_EQ(str(row.find("spacing")), "16");
  EXPECT_EQ(childTypes(row), (std::vector<std::string>{"SmallView", "VStack"}));
  EXPECT_EQ(str(modifier(children(row).asArray()[0], "frame")->find("width")), "128");
  EXPECT_EQ(modifier(children(row).asArray()[0], "frame")->find("height"), nullptr);
  const ui::Json& right = children(row).asArray()[1];
  EXPECT_EQ(str(right.find("spacing")), "7");
  EXPECT_EQ(childTypes(right), (std::vector<std::string>{"Text", "AppRows", "Spacer", "StatsRow"}));
  EXPECT_EQ(str(first(right, "Text").find("text")), "Using power");
  EXPECT_EQ(str(first(first(right, "AppRows"), "ForEach").find("ids")), R"(["Safari","Xcode","Mail"])");
}

TEST(LargeView, ConditionalChildren) {
  struct Case {
    const char* name;
    Mode mode;
    std::optional<std::string> insight;
    std::optional<double> adapter;
    std::size_t rows;
    bool banner;
    bool charger;
  };
  const Case cases[] = {
      {"no insight", Mode::onBattery, std::nullopt, std::nullopt, 5, false, false},
      {"insight", Mode::onBattery, "Safari is busy", std::nullopt, 4, true, false},
      {"empty insight still shows", Mode::onBattery, "", std::nullopt, 4, true, false},
      {"battery with adapter", Mode::onBattery, std::nullopt, 96.0, 5, false, false},
      {"held with adapter", Mode::held, std::nullopt, 96.0, 5, false, true},
      {"charging without adapter", Mode::charging, std::nullopt, std::nullopt, 5, false, false},
  };
  for (const auto& c : cases) {
    WidgetSnapshot s = WidgetSnapshot::placeholder();
    s.mode = c.mode;
    s.insight = c.insight;
    s.adapterWatts = c.adapter;
    for (int i = 0; i < 4; ++i) s.topApps.push_back({.name = "App" + std::to_string(i), .watts = 0.2});
    const ui::Json tree = dump(ui::View(pellora::LargeView{entryOf(s, 70), s}));
    const ui::Json& stack = first(tree, "VStack");
    EXPECT_EQ(str(stack.find("spacing")), "10");
    std::vector<std::string> expected{"HStack", "LevelBar", "HistoryChart"};
    if (c.banner) expected.push_back("HStack");
    for (const char* t : {"Text", "AppRows", "Spacer", "StatsRow"}) expected.push_back(t);
    EXPECT_EQ(childTypes(stack), expected) << c.name;
    const ui::Json& rows = first(first(tree, "AppRows"), "ForEach");
    EXPECT_EQ(rows.find("ids")->asArray().size(), c.rows) << c.name;
    const auto header = texts(children(stack).asArray()[0]);
    EXPECT_EQ(std::count(header.begin(), header.end(), "Charger 96 W"), c.charger ? 1 : 0) << c.name;
  }
}

TEST(LargeView, HeaderAndBanner) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.insight = std::string(300, 'x');
  const ui::Json tree = dump(ui::View(pellora::LargeView{entryOf(s, 70), s}));
  const ui::Json& header = first(tree, "HStack");
  EXPECT_EQ(str(header.find("alignment")), "top");
  EXPECT_EQ(str(header.find("spacing")), "null");
  EXPECT_EQ(childTypes(header), (std::vector<std::string>{"VStack", "Spacer", "VStack"}));
  const auto& parts = children(header).asArray();
  EXPECT_EQ(str(parts[0].find("spacing")), "2");
  EXPECT_EQ(texts(first(parts[0], "BigPercent"))[0], "70");
  EXPECT_EQ(str(modifier(first(first(parts[0], "BigPercent"), "Text"), "font")->find("font")),
            "system(size: 44, weight: semibold, design: rounded)");
  EXPECT_EQ(str(parts[2].find("alignment")), "trailing");
  EXPECT_EQ(str(modifier(parts[2], "padding")->find("edges")), "top");
  EXPECT_EQ(texts(parts[2]), (std::vector<std::string>{"5h 20m left", "Using 6.4 W"}));
  EXPECT_EQ(str(modifier(first(parts[2], "Text"), "font")->find("font")), "callout.semibold");

  const ui::Json& banner = children(first(tree, "VStack")).asArray()[3];
  EXPECT_EQ(modifierNames(banner), (std::vector<std::string>{"padding", "padding", "frame", "background"}));
  EXPECT_EQ(str(banner.find("spacing")), "6");
  EXPECT_EQ(str(first(banner, "Image").find("systemName")), "lightbulb.fill");
  EXPECT_EQ(str(modifier(first(banner, "Text"), "lineLimit")->find("lines")), "1");
  EXPECT_TRUE(unbounded(modifier(banner, "frame")->find("maxWidth")));
  EXPECT_EQ(str(modifier(banner, "frame")->find("alignment")), "leading");
}

}  // namespace
