#include <gtest/gtest.h>

#include "App/Widget/Views/Layouts.hpp"
#include "Platform/Foundation/Clock.hpp"
#include "TreeQuery.hpp"

namespace {

using namespace treequery;
using pellora::Entry;
using pellora::WidgetSnapshot;
using wk::WidgetFamily;

constexpr double t0 = 1765238400;

Entry entryUpdatedAt(double updated) {
  WidgetSnapshot s = WidgetSnapshot::placeholder();
  s.updated = pellora::dateFromSeconds(updated);
  return Entry{pellora::dateFromSeconds(t0), s, 72};
}

std::string contentType(const ui::Json& tree) {
  const ui::Json& reader = first(tree, "EnvironmentReader");
  return str(children(reader).asArray().at(0).find("type"));
}

std::string opacityOf(const ui::Json& tree) { return str(modifier(first(tree, "Group"), "opacity")->find("opacity")); }

TEST(PelloraWidgetView, ChoosesTheLayoutByFamily) {
  const fnd::FixedClockScope clock(pellora::dateFromSeconds(t0));
  const std::pair<WidgetFamily, const char*> cases[] = {
      {WidgetFamily::systemSmall, "SmallView"},   {WidgetFamily::systemMedium, "MediumView"},
      {WidgetFamily::systemLarge, "LargeView"},   {WidgetFamily::systemExtraLarge, "SmallView"},
      {WidgetFamily::accessoryRectangular, "SmallView"},
  };
  for (const auto& [family, type] : cases) {
    const ui::Json tree = dump(ui::View(pellora::PelloraWidgetView{entryUpdatedAt(t0)}), {200, 6}, family);
    EXPECT_EQ(contentType(tree), type) << wk::toString(family);
    EXPECT_EQ(str(modifier(first(tree, "Group"), "containerBackground")->find("style")), "fill.tertiary");
    EXPECT_EQ(str(modifier(first(tree, "Group"), "containerBackground")->find("placement")), "widget");
    EXPECT_EQ(modifierNames(first(tree, "Group")), (std::vector<std::string>{"opacity", "containerBackground"}));
  }
}

TEST(PelloraWidgetView, NoSnapshotShowsTheEmptyStateUndimmed) {
  const fnd::FixedClockScope clock(pellora::dateFromSeconds(t0));
  for (WidgetFamily family : {WidgetFamily::systemSmall, WidgetFamily::systemMedium, WidgetFamily::systemLarge}) {
    const ui::Json tree = dump(ui::View(pellora::PelloraWidgetView{Entry{pellora::dateFromSeconds(t0), std::nullopt, 0}}), {200, 6}, family);
    EXPECT_EQ(contentType(tree), "EmptyStateView");
    EXPECT_EQ(opacityOf(tree), "1");
    const ui::Json& stack = first(tree, "VStack");
    EXPECT_EQ(str(stack.find("spacing")), "6");
    EXPECT_EQ(str(stack.find("alignment")), "center");
    EXPECT_EQ(str(first(tree, "Image").find("systemName")), "battery.100percent.bolt");
    EXPECT_EQ(str(modifier(first(tree, "Image"), "font")->find("font")), "title2");
    EXPECT_EQ(str(modifier(first(tree, "Image"), "foregroundStyle")->find("style")), "green");
    const ui::Json& text = first(tree, "Text");
    EXPECT_EQ(str(text.find("text")), "Open Pellora to start");
    EXPECT_FALSE(text.find("verbatim")->asBool());
    EXPECT_EQ(str(modifier(text, "multilineTextAlignment")->find("alignment")), "center");
    EXPECT_TRUE(unbounded(modifier(stack, "frame")->find("maxWidth")));
  }
}

TEST(PelloraWidgetView, DimsWhenTheSnapshotIsOlderThanTwoHours) {
  const fnd::FixedClockScope clock(pellora::dateFromSeconds(t0));
  const std::pair<double, const char*> cases[] = {
      {t0, "1"}, {t0 - 7200, "1"}, {t0 - 7200.5, "0.5"}, {t0 - 7201, "0.5"}, {t0 - 86400 * 30, "0.5"}, {t0 + 3600, "1"},
  };
  for (const auto& [updated, opacity] : cases) {
    EXPECT_EQ(opacityOf(dump(ui::View(pellora::PelloraWidgetView{entryUpdatedAt(updated)}))), opacity) << updated - t0;
  }
}

TEST(PelloraWidgetView, DimmingFollowsTheClockNotTheEntryDate) {
  const Entry entry = entryUpdatedAt(t0);
  fnd::Clock::setFixed(pellora::dateFromSeconds(t0 + 7000));
  EXPECT_EQ(opacityOf(dump(ui::View(pellora::PelloraWidgetView{entry}))), "1");
  fnd::Clock::setFixed(pellora::dateFromSeconds(t0 + 7300));
  EXPECT_EQ(opacityOf(dump(ui::View(pellora::PelloraWidgetView{entry}))), "0.5");
  fnd::Clock::useSystem();
}

}  // namespace
