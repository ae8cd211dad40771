#include "App/Widget/PelloraWidget.hpp"

#include "App/Widget/Kinds.hpp"
#include "App/Widget/PelloraControls.hpp"
#include "App/Widget/Provider.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {
namespace {

// What an entry shows until the widget's own views take over: its percent.
ui::View entryView(const Entry& entry) { return ui::Text::verbatim(std::to_string(entry.percent)); }

}  // namespace

std::string BatteryWidget::kind() { return kindWithSuffix(".battery"); }

wk::StaticConfiguration BatteryWidget::body() const {
  return wk::StaticConfiguration(kind(), Provider{}, entryView)
      .configurationDisplayName("Battery")
      .description("Charge, time left, what's using power and today's history.")
      .supportedFamilies({wk::WidgetFamily::systemSmall, wk::WidgetFamily::systemMedium,
                          wk::WidgetFamily::systemLarge});
}

wk::WidgetBundleBody PelloraWidgets::body() const {
  return {BatteryWidget{},
          wk::LimitedAvailability({26, 0},
                                  {ChargeLimitControl{}, ChargeFullControl{}, OpenPelloraControl{}})};
}

}  // namespace pellora
