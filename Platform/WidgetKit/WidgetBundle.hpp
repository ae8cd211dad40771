#pragma once
// A bundle: the ordered list of the widgets and controls that an extension offers. A group of
// items can stand under one availability condition, tested once each time the body is
// evaluated: either all of the group's items are offered or none.
//   wk::WidgetBundleBody body() const {
//     return {ClockWidget{}, wk::LimitedAvailability({26, 0}, {LampControl{}, BellControl{}})};
//   }
#include <concepts>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <variant>
#include <vector>

#include "Platform/Foundation/SystemVersion.hpp"
#include "Platform/WidgetKit/StaticConfiguration.hpp"
#include "Platform/WidgetKit/StaticControlConfiguration.hpp"

namespace wk {

// One offered item, its body evaluated.
using BundleItem = std::variant<StaticConfiguration, StaticControlConfiguration>;

// "widget" or "control".
std::string_view itemType(const BundleItem& item);
const std::string& kind(const BundleItem& item);

// A widget or a control whose body the bundle evaluates when the item is offered.
class BundleItemSource {
 public:
  template <Widget W>
  BundleItemSource(W widget)  // NOLINT: every widget is an item
      : body_([widget] { return BundleItem(StaticConfiguration(widget.body())); }) {}
  template <ControlWidget C>
  BundleItemSource(C control)  // NOLINT: every control is an item
      : body_([control] { return BundleItem(StaticControlConfiguration(control.body())); }) {}

  BundleItem evaluate() const { return body_(); }

 private:
  std::function<BundleItem()> body_;
};

// Items offered only on `minimum` or later.
struct LimitedAvailability {
  fnd::SystemVersion minimum;
  std::vector<BundleItemSource> items;

  LimitedAvailability(fnd::SystemVersion minimum, std::initializer_list<BundleItemSource> items)
      : minimum(minimum), items(items) {}
};

// One element of a bundle's body: an item, or a group under an availability condition.
class BundlePart {
 public:
  template <class T>
    requires Widget<T> || ControlWidget<T>
  BundlePart(T item) : part_(BundleItemSource(std::move(item))) {}  // NOLINT
  BundlePart(LimitedAvailability group) : part_(std::move(group)) {}  // NOLINT

  const std::variant<BundleItemSource, LimitedAvailability>& part() const { return part_; }

 private:
  std::variant<BundleItemSource, LimitedAvailability> part_;
};

using WidgetBundleBody = std::vector<BundlePart>;

template <class B>
concept WidgetBundle = requires(const B& b) {
  { b.body() } -> std::convertible_to<WidgetBundleBody>;
};

// The items on offer, in order, for the running system (fnd::SystemVersion::current(), read
// once per group).
std::vector<BundleItem> evaluate(const WidgetBundleBody& body);

template <WidgetBundle B>
std::vector<BundleItem> offeredItems(const B& bundle) {
  return evaluate(bundle.body());
}

}  // namespace wk
