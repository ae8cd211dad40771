#include "App/Widget/PelloraWidget.hpp"

#include "App/Widget/Kinds.hpp"
#include "App/Widget/PelloraControls.hpp"
#include "App/Widget/Provider.hpp"
#include "App/Widget/Views/Layouts.hpp"
#include "Platform/UI/View.hpp"

namespace pellora {
namespace {

// The root view of each entry; it reads its family from the host's environment.
ui::View entryView(const Entry& entry) { return PelloraWidgetView{entry}; }

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
