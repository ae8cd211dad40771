#pragma once
// A widget without user-editable settings: its kind, the provider of its timeline, the
// content function that turns an entry into a view, and what the host's gallery shows.
// Modifiers return a changed copy, in the order the widget applies them:
//   wk::StaticConfiguration("com.example.clock", ClockProvider{}, [](const ClockEntry& e) {...})
//       .configurationDisplayName("Clock").description("The time.").supportedFamilies({...});
#include <algorithm>
#include <concepts>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "Platform/Foundation/LocalizedStringKey.hpp"
#include "Platform/UI/View.hpp"
#include "Platform/WidgetKit/TimelineProvider.hpp"
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace wk {

class StaticConfiguration {
 public:
  template <TimelineProvider P, class Content>
    requires std::invocable<const Content&, const typename P::Entry&> &&
             std::convertible_to<std::invoke_result_t<const Content&, const typename P::Entry&>,
                                 ui::View>
  StaticConfiguration(std::string kind, P provider, Content content)
      : kind_(std::move(kind)),
        provider_(std::move(provider)),
        content_([content = std::move(content)](const AnyEntry& entry) -> ui::View {
          const auto* e = entry.as<typename P::Entry>();
          if (e == nullptr) {
            throw std::invalid_argument("an entry of another provider was given to a widget");
          }
          return content(*e);
        }) {}

  StaticConfiguration configurationDisplayName(fnd::LocalizedStringKey name) const {
    StaticConfiguration c = *this;
    c.displayName_ = std::move(name);
    return c;
  }
  StaticConfiguration description(fnd::LocalizedStringKey text) const {
    StaticConfiguration c = *this;
    c.description_ = std::move(text);
    return c;
  }
  StaticConfiguration supportedFamilies(std::vector<WidgetFamily> families) const {
    StaticConfiguration c = *this;
    c.families_ = std::move(families);
    return c;
  }

  const std::string& kind() const { return kind_; }
  const fnd::LocalizedStringKey& displayName() const { return displayName_; }
  const fnd::LocalizedStringKey& description() const { return description_; }
  // The families the host offers the widget in, in the widget's order; unless the widget says
  // otherwise, the three system sizes of a desktop.
  const std::vector<WidgetFamily>& supportedFamilies() const { return families_; }
  bool supports(WidgetFamily family) const {
    return std::find(families_.begin(), families_.end(), family) != families_.end();
  }

  const AnyTimelineProvider& provider() const { return provider_; }
  // The content function's view of `entry` (an entry of this widget's provider).
  ui::View content(const AnyEntry& entry) const { return content_(entry); }
  // The view as the host shows it in `family`: the content with the family in its environment.
  ui::View view(const AnyEntry& entry, WidgetFamily family) const {
    return content(entry).environment<WidgetFamilyKey>(family);
  }

 private:
  std::string kind_;
  AnyTimelineProvider provider_;
  std::function<ui::View(const AnyEntry&)> content_;
  fnd::LocalizedStringKey displayName_{""};
  fnd::LocalizedStringKey description_{""};
  std::vector<WidgetFamily> families_{WidgetFamily::systemSmall, WidgetFamily::systemMedium,
                                      WidgetFamily::systemLarge};
};

// A widget: a value whose body is its configuration.
template <class W>
concept Widget = std::copyable<W> && requires(const W& w) {
  { w.body() } -> std::convertible_to<StaticConfiguration>;
};

}  // namespace wk
