#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace wk {

std::string_view toString(WidgetFamily family) {
  switch (family) {
    case WidgetFamily::systemSmall: return "systemSmall";
    case WidgetFamily::systemMedium: return "systemMedium";
    case WidgetFamily::systemLarge: return "systemLarge";
    case WidgetFamily::systemExtraLarge: return "systemExtraLarge";
    case WidgetFamily::accessoryCircular: return "accessoryCircular";
    case WidgetFamily::accessoryRectangular: return "accessoryRectangular";
    case WidgetFamily::accessoryInline: return "accessoryInline";
  }
  return "unknown";
}

std::optional<WidgetFamily> widgetFamilyFromString(std::string_view name) {
  for (WidgetFamily f : allWidgetFamilies) {
    if (toString(f) == name) return f;
  }
  return std::nullopt;
}

}  // namespace wk
