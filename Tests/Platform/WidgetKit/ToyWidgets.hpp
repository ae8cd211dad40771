#pragma once
// A small clock widget and lamp controls: enough of an extension to exercise the host layer.
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include "Platform/Intents/Intents.hpp"
#include "Platform/UI/UI.hpp"
#include "Platform/WidgetKit/WidgetKit.hpp"

namespace toy {

struct ClockEntry {
  fnd::Date date;
  int hour = 0;
};

// How the provider answers, so tests can make it break the contract.
enum class Answer { once, never, twice };

struct ClockProvider {
  using Entry = ClockEntry;
  Answer answer = Answer::once;

  ClockEntry placeholder(const wk::TimelineProviderContext&) const { return {fnd::dateFromSeconds(0), 12}; }
  void getSnapshot(const wk::TimelineProviderContext& c,
                   const std::function<void(ClockEntry)>& completion) const {
    const int calls = answer == Answer::once ? 1 : answer == Answer::twice ? 2 : 0;
    for (int i = 0; i < calls; ++i) completion({fnd::dateFromSeconds(60), c.isPreview ? 9 : 10});
  }
  void getTimeline(const wk::TimelineProviderContext&,
                   const std::function<void(wk::Timeline<ClockEntry>)>& completion) const {
    const int calls = answer == Answer::once ? 1 : answer == Answer::twice ? 2 : 0;
    for (int i = 0; i < calls; ++i) {
      completion(wk::Timeline<ClockEntry>({{fnd::dateFromSeconds(0), 1}, {fnd::dateFromSeconds(3600), 2}},
                                          wk::TimelineReloadPolicy::after(fnd::dateFromSeconds(7200))));
    }
  }
};
static_assert(wk::TimelineProvider<ClockProvider>);

inline int clockBodies = 0;  // how often a ClockWidget body was evaluated

struct ClockWidget {
  Answer answer = Answer::once;
  wk::StaticConfiguration body() const {
    ++clockBodies;
    return wk::StaticConfiguration("org.example.clock", ClockProvider{answer},
                                   [](const ClockEntry& e) -> ui::View {
                                     return ui::Text::verbatim(std::to_string(e.hour));
                                   })
        .configurationDisplayName("Clock")
        .description("The time.")
        .supportedFamilies({wk::WidgetFamily::systemSmall, wk::WidgetFamily::accessoryInline});
  }
};

struct LampIntent {
  intents::IntentParameter<bool> value{"On"};
  static const fnd::LocalizedStringKey& title() {
    static const fnd::LocalizedStringKey key("Switch the Lamp");
    return key;
  }
  intents::IntentResult perform() const {
    return intents::IntentResult::result(intents::OpenURLIntent(
        *fnd::URL::parse(std::string("lamp://power/") + (value.wrappedValue() ? "on" : "off"))));
  }
};

struct BellIntent {
  intents::IntentParameter<std::string> tone{"Tone"};
  BellIntent() = default;
  explicit BellIntent(std::string t) { tone = std::move(t); }
  static const fnd::LocalizedStringKey& title() {
    static const fnd::LocalizedStringKey key("Ring");
    return key;
  }
  intents::IntentResult perform() const {
    return intents::IntentResult::result(
        intents::OpenURLIntent(*fnd::URL::parse("bell://" + tone.wrappedValue())));
  }
};

inline std::atomic<std::thread::id> lampReadOn{};

struct LampProvider {
  using Value = bool;
  bool lit = true;
  bool fails = false;
  bool previewValue() const { return false; }
  std::future<bool> currentValue() const {
    return std::async(std::launch::async, [lit = lit, fails = fails] {
      lampReadOn = std::this_thread::get_id();
      if (fails) throw std::runtime_error("lamp unreachable");
      return lit;
    });
  }
};
static_assert(wk::ControlValueProvider<LampProvider>);

struct LampControl {
  LampProvider provider{};
  wk::StaticControlConfiguration body() const {
    return wk::StaticControlConfiguration(
               "org.example.lamp", provider,
               [](bool on) {
                 return wk::ControlWidgetToggle("Lamp", on, LampIntent{}, [](bool state) {
                   return wk::Label(state ? "Lit" : "Dark", state ? "lightbulb.fill" : "lightbulb");
                 });
               })
        .displayName("Lamp")
        .description("Turns the lamp on or off.");
  }
};

struct BellControl {
  wk::StaticControlConfiguration body() const {
    return wk::StaticControlConfiguration(
               "org.example.bell",
               [] {
                 return wk::ControlWidgetButton(BellIntent("ding"),
                                                [] { return wk::Label("Ring", "bell"); });
               })
        .displayName("Bell")
        .description("Rings the bell.");
  }
};

}  // namespace toy
