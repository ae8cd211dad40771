#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToyWidgets.hpp"

namespace {

struct ToyBundle {
  wk::WidgetBundleBody body() const {
    return {toy::ClockWidget{}, wk::LimitedAvailability({26, 0}, {toy::LampControl{}, toy::BellControl{}})};
  }
};
static_assert(wk::WidgetBundle<ToyBundle>);

struct Kinds {
  std::vector<std::string> kinds;
  std::vector<std::string> types;
};

Kinds offered() {
  Kinds k;
  for (const wk::BundleItem& item : wk::offeredItems(ToyBundle{})) {
    k.kinds.push_back(wk::kind(item));
    k.types.emplace_back(wk::itemType(item));
  }
  return k;
}

class BundleTest : public ::testing::Test {
 protected:
  void TearDown() override { fnd::SystemVersion::setCurrent({26, 0}); }
};

TEST_F(BundleTest, OffersTheGroupAllOrNothingByTheRunningSystem) {
  struct Case {
    fnd::SystemVersion running;
    std::vector<std::string> kinds;
  };
  const std::vector<std::string> all{"org.example.clock", "org.example.lamp", "org.example.bell"};
  const Case cases[] = {
      {{15, 0}, {"org.example.clock"}},
      {{25, 9}, {"org.example.clock"}},
      {{26, 0}, all},
      {{26, 1}, all},
      {{27, 0}, all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.running.text());
    fnd::SystemVersion::setCurrent(c.running);
    EXPECT_EQ(offered().kinds, c.kinds);
  }
  EXPECT_EQ(offered().types, (std::vector<std::string>{"widget", "control", "control"}));
}

int countedBodies = 0;
struct CountedControl {
  wk::StaticControlConfiguration body() const {
    ++countedBodies;
    return toy::BellControl{}.body();
  }
};

TEST_F(BundleTest, EvaluatesBodiesOnEachEvaluationAndNotForAnUnavailableGroup) {
  const wk::WidgetBundleBody body{toy::ClockWidget{},
                                  wk::LimitedAvailability({26, 0}, {CountedControl{}})};
  toy::clockBodies = 0;
  fnd::SystemVersion::setCurrent({15, 7});
  EXPECT_EQ(wk::evaluate(body).size(), 1u);
  EXPECT_EQ(countedBodies, 0);
  fnd::SystemVersion::setCurrent({26, 0});
  EXPECT_EQ(wk::evaluate(body).size(), 2u);
  EXPECT_EQ(countedBodies, 1);
  EXPECT_EQ(toy::clockBodies, 2);
}

TEST(StaticConfigurationTest, KeepsWhatTheWidgetDeclares) {
  const wk::StaticConfiguration c = toy::ClockWidget{}.body();
  EXPECT_EQ(c.kind(), "org.example.clock");
  EXPECT_EQ(c.displayName().text(), "Clock");
  EXPECT_EQ(c.description().text(), "The time.");
  EXPECT_EQ(c.supportedFamilies(),
            (std::vector<wk::WidgetFamily>{wk::WidgetFamily::systemSmall,
                                           wk::WidgetFamily::accessoryInline}));
  EXPECT_TRUE(c.supports(wk::WidgetFamily::accessoryInline));
  EXPECT_FALSE(c.supports(wk::WidgetFamily::systemLarge));
}

TEST(StaticConfigurationTest, DefaultsToTheThreeSystemSizes) {
  const wk::StaticConfiguration c("org.example.bare", toy::ClockProvider{},
                                  [](const toy::ClockEntry&) { return ui::View(); });
  EXPECT_EQ(c.supportedFamilies(),
            (std::vector<wk::WidgetFamily>{wk::WidgetFamily::systemSmall,
                                           wk::WidgetFamily::systemMedium,
                                           wk::WidgetFamily::systemLarge}));
}

TEST(StaticConfigurationTest, ShowsAnEntryWithItsFamilyInTheEnvironment) {
  const wk::StaticConfiguration c(
      "org.example.family", toy::ClockProvider{}, [](const toy::ClockEntry& e) {
        return ui::EnvironmentReader([hour = e.hour](const ui::Environment& env) -> ui::View {
          return ui::Text::verbatim(std::to_string(hour) + " " +
                                    std::string(wk::toString(env.get<wk::WidgetFamilyKey>())));
        });
      });
  const wk::AnyEntry entry(toy::ClockEntry{fnd::dateFromSeconds(0), 7});
  const std::string dump = ui::dumpJSON(c.view(entry, wk::WidgetFamily::systemLarge)).serialize();
  EXPECT_NE(dump.find("\"7 systemLarge\""), std::string::npos) << dump;
  const std::string plain = ui::dumpJSON(c.content(entry)).serialize();
  EXPECT_NE(plain.find("\"7 systemSmall\""), std::string::npos) << plain;  // the key's default

  struct OtherEntry {
    fnd::Date date;
  };
  EXPECT_THROW(c.content(wk::AnyEntry(OtherEntry{})), std::invalid_argument);
}

TEST(WidgetFamilyNames, ReadBackAndRefuseOthers) {
  for (wk::WidgetFamily f : wk::allWidgetFamilies) {
    EXPECT_EQ(wk::widgetFamilyFromString(wk::toString(f)), f);
  }
  EXPECT_FALSE(wk::widgetFamilyFromString("small").has_value());
  EXPECT_FALSE(wk::widgetFamilyFromString("SystemSmall").has_value());
}

}  // namespace
