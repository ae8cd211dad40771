#pragma once
// Values that flow down a view tree: set by a modifier, read by everything below it.
// Besides the toolkit's own values, any layer can declare a typed key of its own:
//
//   struct WidgetFamilyKey {
//     using Value = Family;
//     static constexpr const char* name = "widgetFamily";
//     static Value defaultValue() { return Family::small; }
//     static ui::Json describe(const Value& v);   // optional: how a dump shows a value
//   };
//   view.environment<WidgetFamilyKey>(Family::large);   env.get<WidgetFamilyKey>()
#include <any>
#include <concepts>
#include <map>
#include <memory>
#include <optional>
#include <typeindex>

#include "Platform/UI/Font.hpp"
#include "Platform/UI/Geometry.hpp"
#include "Platform/UI/Json.hpp"
#include "Platform/UI/Style.hpp"

namespace ui {

class Catalog;

template <class K>
concept EnvironmentKey = requires {
  typename K::Value;
  { K::defaultValue() } -> std::convertible_to<typename K::Value>;
  { K::name } -> std::convertible_to<const char*>;
};

struct Environment {
  Font font = Font::textStyle(TextStyle::body);
  ShapeStyle foregroundStyle = Color::primary();
  std::optional<int> lineLimit;  // absent: no limit
  ColorScheme colorScheme = ColorScheme::light;
  TextAlignment multilineTextAlignment = TextAlignment::leading;
  double minimumScaleFactor = 1.0;
  bool monospacedDigit = false;
  // Where localizable texts are looked up; absent: the development language (the key itself).
  std::shared_ptr<const Catalog> catalog;

  template <EnvironmentKey K>
  typename K::Value get() const {
    auto it = custom_.find(std::type_index(typeid(K)));
    if (it == custom_.end()) return K::defaultValue();
    return std::any_cast<const typename K::Value&>(it->second);
  }
  template <EnvironmentKey K>
  void set(typename K::Value value) {
    custom_[std::type_index(typeid(K))] = std::move(value);
  }
  template <EnvironmentKey K>
  bool has() const { return custom_.count(std::type_index(typeid(K))) != 0; }

 private:
  std::map<std::type_index, std::any> custom_;
};

}  // namespace ui
