#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "App/Widget/PelloraControls.hpp"
#include "Platform/WidgetKit/ControlActions.hpp"
#include "WidgetHome.hpp"

namespace {

using pellora::ChargeFullControl;
using pellora::ChargeLimitControl;
using pellora::OpenPelloraControl;
using Mode = pellora::WidgetSnapshot::Mode;

class ControlTest : public widgettest::WidgetHome {
 protected:
  static wk::ControlWidgetToggle currentToggle() {
    return std::get<wk::ControlWidgetToggle>(ChargeLimitControl{}.body().currentTemplate().get());
  }
  static wk::ControlWidgetButton button(const wk::StaticControlConfiguration& c) {
    return std::get<wk::ControlWidgetButton>(c.currentTemplate().get());
  }
};

TEST_F(ControlTest, ToggleIsOnWhileTheStoredLimitIsBelow100) {
  struct Case {
    const char* name;
    std::optional<std::int64_t> limit;  // absent: no snapshot file
    bool isOn;
  };
  const Case cases[] = {
      {"no file", std::nullopt, false},
      {"limit 0", 0, true},
      {"limit 80", 80, true},
      {"limit 99", 99, true},
      {"limit 100", 100, false},
      {"limit 101", 101, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(snapshotFile());
    if (c.limit) save(snapshot(Mode::held, 80, std::nullopt, *c.limit));
    EXPECT_EQ(ChargeLimitControl::LimitProvider{}.currentValue().get(), c.isOn);
    const wk::ControlWidgetToggle toggle = currentToggle();
    EXPECT_EQ(toggle.isOn, c.isOn);
    EXPECT_EQ(toggle.currentValueLabel(),
              c.isOn ? wk::Label("Limit on", "bolt.batteryblock.fill")
                     : wk::Label("Limit off", "bolt.batteryblock"));
  }
}

TEST_F(ControlTest, AnUnreadableFileCountsAsOff) {
  writeBytes("{\"limit\":80}");
  EXPECT_FALSE(ChargeLimitControl::LimitProvider{}.currentValue().get());
}

TEST_F(ControlTest, PreviewShowsTheLimitOnWhateverTheFileHolds) {
  save(snapshot(Mode::charging, 50, 60, 100));
  EXPECT_TRUE(ChargeLimitControl::LimitProvider{}.previewValue());
  const auto toggle = std::get<wk::ControlWidgetToggle>(ChargeLimitControl{}.body().previewTemplate());
  EXPECT_TRUE(toggle.isOn);
  EXPECT_EQ(toggle.currentValueLabel(), wk::Label("Limit on", "bolt.batteryblock.fill"));
}

TEST_F(ControlTest, FlippingTheToggleSendsTheNewState) {
  save(snapshot(Mode::held, 80, std::nullopt, 80));
  const wk::ControlWidgetToggle toggle = currentToggle();
  EXPECT_EQ(toggle.title.text(), "Charge Limit");
  EXPECT_FALSE(toggle.action.valueIsSet());  // the platform sets it on a flip
  EXPECT_EQ(wk::flip(toggle, false).get()->absoluteString(), "pellora://limit/off");
  EXPECT_EQ(wk::flip(toggle, true).get()->absoluteString(), "pellora://limit/on");
}

TEST_F(ControlTest, ConfigurationsDeclareTheirKindNameAndDescription) {
  struct Case {
    wk::StaticControlConfiguration configuration;
    const char* kind;
    const char* displayName;
    const char* description;
    bool hasValueProvider;
  };
  const Case cases[] = {
      {ChargeLimitControl{}.body(), "app.pellora.widgets.control.limit", "Charge Limit",
       "Turn Pellora's charge limit on or off.", true},
      {ChargeFullControl{}.body(), "app.pellora.widgets.control.full", "Charge to 100% Once",
       "Charge fully for the next 24 hours, then return to your limit. Press again to cancel.",
       false},
      {OpenPelloraControl{}.body(), "app.pellora.widgets.control.open", "Open Pellora",
       "Opens the Pellora window.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(c.configuration.kind(), c.kind);
    EXPECT_EQ(c.configuration.displayName().text(), c.displayName);
    EXPECT_EQ(c.configuration.description().text(), c.description);
    EXPECT_EQ(c.configuration.hasValueProvider(), c.hasValueProvider);
  }
}

TEST_F(ControlTest, ButtonsShowTheirLabelAndSendTheirURLOnEveryPress) {
  struct Case {
    wk::StaticControlConfiguration configuration;
    wk::Label label;
    const char* url;
  };
  const Case cases[] = {
      {ChargeFullControl{}.body(), {"Charge to 100%", "battery.100percent.bolt"}, "pellora://full"},
      {OpenPelloraControl{}.body(), {"Pellora", "gauge.with.dots.needle.33percent"}, "pellora://open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    const wk::ControlWidgetButton b = button(c.configuration);
    EXPECT_EQ(b.label, c.label);
    EXPECT_EQ(wk::press(b).get()->absoluteString(), c.url);
    EXPECT_EQ(wk::press(b).get()->absoluteString(), c.url);
  }
}

}  // namespace
