#pragma once
// A control without user-editable settings: its kind, what it shows (a toggle or a button),
// optionally a value provider whose value the content function turns into the template, and
// what the host's gallery shows. Modifiers return a changed copy:
//   wk::StaticControlConfiguration("com.example.lamp", LampProvider{}, [](bool on) {...})
//       .displayName("Lamp").description("Turns the lamp on or off.");
#include <concepts>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <type_traits>

#include "Platform/Foundation/LocalizedStringKey.hpp"
#include "Platform/WidgetKit/ControlTemplate.hpp"
#include "Platform/WidgetKit/ControlValueProvider.hpp"

namespace wk {

template <class F, class... Args>
concept ControlContent =
    std::invocable<const F&, Args...> &&
    std::convertible_to<std::invoke_result_t<const F&, Args...>, ControlTemplate>;

class StaticControlConfiguration {
 public:
  // A control that shows no state.
  template <class Content>
    requires ControlContent<Content>
  StaticControlConfiguration(std::string kind, Content content)
      : kind_(std::move(kind)),
        current_([content] {
          std::promise<ControlTemplate> ready;
          ready.set_value(ControlTemplate(content()));
          return ready.get_future();
        }),
        preview_([content] { return ControlTemplate(content()); }) {}

  // A control whose template follows its value provider.
  template <ControlValueProvider P, class Content>
    requires ControlContent<Content, typename P::Value>
  StaticControlConfiguration(std::string kind, P provider, Content content)
      : kind_(std::move(kind)),
        hasValueProvider_(true),
        current_([provider, content] {
          // The value is computed off this thread; the content function runs where the
          // template is asked for, as the content of controls runs on the host's main thread.
          auto value = std::make_shared<std::future<typename P::Value>>(provider.currentValue());
          return std::async(std::launch::deferred,
                            [value, content] { return ControlTemplate(content(value->get())); });
        }),
        preview_([provider, content] { return ControlTemplate(content(provider.previewValue())); }) {}

  StaticControlConfiguration displayName(fnd::LocalizedStringKey name) const {
    StaticControlConfiguration c = *this;
    c.displayName_ = std::move(name);
    return c;
  }
  StaticControlConfiguration description(fnd::LocalizedStringKey text) const {
    StaticControlConfiguration c = *this;
    c.description_ = std::move(text);
    return c;
  }

  const std::string& kind() const { return kind_; }
  const fnd::LocalizedStringKey& displayName() const { return displayName_; }
  const fnd::LocalizedStringKey& description() const { return description_; }
  bool hasValueProvider() const { return hasValueProvider_; }

  // The template for the current value: get() waits for the value provider and rethrows its
  // failure.
  std::future<ControlTemplate> currentTemplate() const { return current_(); }
  // The template for previews: the provider's preview value, or the one fixed template.
  ControlTemplate previewTemplate() const { return preview_(); }

 private:
  std::string kind_;
  bool hasValueProvider_ = false;
  std::function<std::future<ControlTemplate>()> current_;
  std::function<ControlTemplate()> preview_;
  fnd::LocalizedStringKey displayName_{""};
  fnd::LocalizedStringKey description_{""};
};

// A control: a value whose body is its configuration.
template <class C>
concept ControlWidget = std::copyable<C> && requires(const C& c) {
  { c.body() } -> std::convertible_to<StaticControlConfiguration>;
};

}  // namespace wk
