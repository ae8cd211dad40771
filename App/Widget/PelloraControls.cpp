#include "App/Widget/PelloraControls.hpp"

#include "App/Widget/Kinds.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/WidgetKit/ControlTemplate.hpp"
#include "Platform/WidgetKit/Label.hpp"

namespace pellora {
namespace {

// The two buttons differ in nothing but these values.
struct ButtonValues {
  const char* command;
  const char* labelText;
  const char* labelSymbol;
  const char* displayName;
  const char* description;
};

wk::StaticControlConfiguration buttonConfiguration(std::string kind, const ButtonValues& values) {
  return wk::StaticControlConfiguration(
             std::move(kind),
             [values] {
               return wk::ControlWidgetButton(OpenPelloraLinkIntent(values.command), [values] {
                 return wk::Label(values.labelText, values.labelSymbol);
               });
             })
      .displayName(values.displayName)
      .description(values.description);
}

}  // namespace

std::string ChargeLimitControl::kind() { return kindWithSuffix(".control.limit"); }
std::string ChargeFullControl::kind() { return kindWithSuffix(".control.full"); }
std::string OpenPelloraControl::kind() { return kindWithSuffix(".control.open"); }

std::future<bool> ChargeLimitControl::LimitProvider::currentValue() const {
  return std::async(std::launch::async, [] {
    const std::optional<WidgetSnapshot> snapshot =
        WidgetSnapshot::load(WidgetSnapshot::fileURL());
    return snapshot.has_value() && snapshot->limit < 100;
  });
}

wk::StaticControlConfiguration ChargeLimitControl::body() const {
  return wk::StaticControlConfiguration(
             kind(), LimitProvider{},
             [](bool isOn) {
               return wk::ControlWidgetToggle(
                   "Charge Limit", isOn, SetChargeLimitControlIntent{}, [](bool on) {
                     return on ? wk::Label("Limit on", "bolt.batteryblock.fill")
                               : wk::Label("Limit off", "bolt.batteryblock");
                   });
             })
      .displayName("Charge Limit")
      .description("Turn Pellora's charge limit on or off.");
}

wk::StaticControlConfiguration ChargeFullControl::body() const {
  return buttonConfiguration(
      kind(), {"full", "Charge to 100%", "battery.100percent.bolt", "Charge to 100% Once",
               "Charge fully for the next 24 hours, then return to your limit. Press again to "
               "cancel."});
}

wk::StaticControlConfiguration OpenPelloraControl::body() const {
  return buttonConfiguration(kind(), {"open", "Pellora", "gauge.with.dots.needle.33percent",
                                      "Open Pellora", "Opens the Pellora window."});
}

}  // namespace pellora
