#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ToyWidgets.hpp"

namespace {

std::optional<std::string> urlText(std::future<std::optional<fnd::URL>> f) {
  const auto url = f.get();
  if (!url) return std::nullopt;
  return url->absoluteString();
}

TEST(ControlConfigurationTest, ToggleFollowsItsValueProvider) {
  struct Case {
    toy::LampProvider provider;
    bool isOn;
    const char* labelText;
    const char* symbol;
  };
  const Case cases[] = {
      {{true, false}, true, "Lit", "lightbulb.fill"},
      {{false, false}, false, "Dark", "lightbulb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.labelText);
    const wk::StaticControlConfiguration config = toy::LampControl{c.provider}.body();
    EXPECT_TRUE(config.hasValueProvider());
    const wk::ControlTemplate t = config.currentTemplate().get();
    ASSERT_EQ(wk::templateName(t), "toggle");
    const auto& toggle = std::get<wk::ControlWidgetToggle>(t);
    EXPECT_EQ(toggle.title.text(), "Lamp");
    EXPECT_EQ(toggle.isOn, c.isOn);
    EXPECT_EQ(toggle.currentValueLabel(), wk::Label(c.labelText, c.symbol));
  }
  EXPECT_NE(toy::lampReadOn.load(), std::this_thread::get_id());
}

TEST(ControlConfigurationTest, PreviewUsesThePreviewValue) {
  const wk::ControlTemplate t = toy::LampControl{{true, false}}.body().previewTemplate();
  EXPECT_FALSE(std::get<wk::ControlWidgetToggle>(t).isOn);
}

TEST(ControlConfigurationTest, AFailingProviderFailsTheTemplate) {
  auto future = toy::LampControl{{true, true}}.body().currentTemplate();
  EXPECT_THROW(future.get(), std::runtime_error);
}

TEST(ControlConfigurationTest, ButtonWithoutProvider) {
  const wk::StaticControlConfiguration config = toy::BellControl{}.body();
  EXPECT_FALSE(config.hasValueProvider());
  EXPECT_EQ(config.kind(), "org.example.bell");
  EXPECT_EQ(config.displayName().text(), "Bell");
  EXPECT_EQ(config.description().text(), "Rings the bell.");
  const wk::ControlTemplate t = config.currentTemplate().get();
  ASSERT_EQ(wk::templateName(t), "button");
  EXPECT_EQ(std::get<wk::ControlWidgetButton>(t).label, wk::Label("Ring", "bell"));
}

TEST(ControlActionsTest, FlipWritesTheNewStateIntoACopyOfTheAction) {
  const wk::ControlTemplate t = toy::LampControl{}.body().currentTemplate().get();
  const auto& toggle = std::get<wk::ControlWidgetToggle>(t);
  EXPECT_EQ(urlText(wk::flip(toggle, true)), "lamp://power/on");
  EXPECT_EQ(urlText(wk::flip(toggle, false)), "lamp://power/off");
  EXPECT_FALSE(toggle.action.valueIsSet());
}

TEST(ControlActionsTest, PressRunsTheButtonsActionEachTime) {
  const wk::ControlTemplate t = toy::BellControl{}.body().currentTemplate().get();
  const auto& button = std::get<wk::ControlWidgetButton>(t);
  EXPECT_EQ(urlText(wk::press(button)), "bell://ding");
  EXPECT_EQ(urlText(wk::press(button)), "bell://ding");
}

}  // namespace
