#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "App/Widget/PelloraWidget.hpp"
#include "WidgetHome.hpp"

namespace {

using pellora::BatteryWidget;
using pellora::PelloraWidgets;

std::vector<std::string> offeredKinds() {
  std::vector<std::string> kinds;
  for (const wk::BundleItem& item : wk::offeredItems(PelloraWidgets{})) {
    kinds.push_back(std::string(wk::itemType(item)) + " " + wk::kind(item));
  }
  return kinds;
}

class BundleTest : public widgettest::WidgetHome {};

TEST_F(BundleTest, ControlsComeAsOneGroupFrom26On) {
  const std::vector<std::string> widgetOnly{"widget app.pellora.widgets.battery"};
  const std::vector<std::string> all{
      "widget app.pellora.widgets.battery", "control app.pellora.widgets.control.limit",
      "control app.pellora.widgets.control.full", "control app.pellora.widgets.control.open"};
  struct Case {
    fnd::SystemVersion running;
    std::vector<std::string> kinds;
  };
  const Case cases[] = {
      {{15, 0}, widgetOnly}, {{15, 7}, widgetOnly}, {{25, 9}, widgetOnly},
      {{26, 0}, all},        {{26, 2}, all},        {{27, 0}, all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.running.text());
    fnd::SystemVersion::setCurrent(c.running);
    EXPECT_EQ(offeredKinds(), c.kinds);
  }
}

TEST_F(BundleTest, BatteryWidgetDeclaresItsRecord) {
  const wk::StaticConfiguration c = BatteryWidget{}.body();
  EXPECT_EQ(c.kind(), "app.pellora.widgets.battery");
  EXPECT_EQ(c.kind(), BatteryWidget{}.body().kind());
  EXPECT_EQ(c.displayName().text(), "Battery");
  EXPECT_EQ(c.description().text(), "Charge, time left, what's using power and today's history.");
  EXPECT_EQ(c.supportedFamilies(),
            (std::vector<wk::WidgetFamily>{wk::WidgetFamily::systemSmall,
                                           wk::WidgetFamily::systemMedium,
                                           wk::WidgetFamily::systemLarge}));
  EXPECT_FALSE(c.supports(wk::WidgetFamily::systemExtraLarge));
  EXPECT_FALSE(c.supports(wk::WidgetFamily::accessoryRectangular));
}

TEST_F(BundleTest, BatteryWidgetIsFedByTheProvider) {
  const wk::StaticConfiguration c = BatteryWidget{}.body();
  const wk::Timeline<wk::AnyEntry> t = c.provider().timeline({});
  ASSERT_EQ(t.entries.size(), 1u);  // no snapshot in the fresh home
  const auto* entry = t.entries[0].as<pellora::Entry>();
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(entry->snapshot.has_value());
}

}  // namespace
