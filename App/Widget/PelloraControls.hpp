#pragma once
// The three controls for the system's control surfaces: the charge-limit toggle and the
// charge-full and open buttons. None holds state; the toggle's state comes from the snapshot
// file, read afresh each time the platform asks.
#include <future>
#include <string>

#include "App/Widget/CommandIntents.hpp"
#include "Platform/WidgetKit/StaticControlConfiguration.hpp"

namespace pellora {

// Whether Pellora's charge limit is in force (a limit below 100), and switching it.
struct ChargeLimitControl {
  static std::string kind();  // "….control.limit"

  struct LimitProvider {
    using Value = bool;
    // Previews show the limit on, whatever the snapshot holds.
    bool previewValue() const { return true; }
    // Off the calling thread: the stored snapshot's limit is below 100; false without one.
    std::future<bool> currentValue() const;
  };

  wk::StaticControlConfiguration body() const;
};

// Charges to 100 % once, for the next 24 hours ("pellora://full"); a second press cancels.
struct ChargeFullControl {
  static std::string kind();  // "….control.full"
  wk::StaticControlConfiguration body() const;
};

// Opens Pellora's window ("pellora://open").
struct OpenPelloraControl {
  static std::string kind();  // "….control.open"
  wk::StaticControlConfiguration body() const;
};

static_assert(wk::ControlValueProvider<ChargeLimitControl::LimitProvider>);
static_assert(wk::ControlWidget<ChargeLimitControl>);
static_assert(wk::ControlWidget<ChargeFullControl>);
static_assert(wk::ControlWidget<OpenPelloraControl>);

}  // namespace pellora
