#pragma once
// The sizes and shapes in which a host shows widgets. A widget names the families it supports;
// a view reads the family it is shown in from the environment (WidgetFamilyKey).
#include <optional>
#include <string_view>

#include "Platform/UI/Environment.hpp"
#include "Platform/UI/Json.hpp"

namespace wk {

enum class WidgetFamily {
  systemSmall,
  systemMedium,
  systemLarge,
  systemExtraLarge,
  accessoryCircular,
  accessoryRectangular,
  accessoryInline,
};

inline constexpr WidgetFamily allWidgetFamilies[] = {
    WidgetFamily::systemSmall,          WidgetFamily::systemMedium,
    WidgetFamily::systemLarge,          WidgetFamily::systemExtraLarge,
    WidgetFamily::accessoryCircular,    WidgetFamily::accessoryRectangular,
    WidgetFamily::accessoryInline,
};

// "systemSmall", …; and back, for exactly those names.
std::string_view toString(WidgetFamily family);
std::optional<WidgetFamily> widgetFamilyFromString(std::string_view name);

// The environment key through which a widget's views learn their family.
struct WidgetFamilyKey {
  using Value = WidgetFamily;
  static constexpr const char* name = "widgetFamily";
  static Value defaultValue() { return WidgetFamily::systemSmall; }
  static ui::Json describe(const Value& family) { return ui::Json(toString(family)); }
};

}  // namespace wk
