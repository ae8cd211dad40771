#pragma once
// The extension's front door: the bundle of everything it offers, and the battery widget.
#include <string>

#include "App/Widget/Entry.hpp"
#include "Platform/WidgetKit/StaticConfiguration.hpp"
#include "Platform/WidgetKit/WidgetBundle.hpp"

namespace pellora {

// The battery widget, in the three system sizes, fed by Provider.
struct BatteryWidget {
  static std::string kind();  // "….battery"
  wk::StaticConfiguration body() const;
};

// The battery widget always; the three controls together, only on system 26.0 or later.
struct PelloraWidgets {
  wk::WidgetBundleBody body() const;
};

static_assert(wk::Widget<BatteryWidget>);
static_assert(wk::WidgetBundle<PelloraWidgets>);

}  // namespace pellora
