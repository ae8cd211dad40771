#include "Platform/WidgetKit/TimelineReloadPolicy.hpp"

namespace wk {

std::string_view toString(TimelineReloadPolicy::Kind kind) {
  switch (kind) {
    case TimelineReloadPolicy::Kind::atEnd: return "atEnd";
    case TimelineReloadPolicy::Kind::after: return "after";
    case TimelineReloadPolicy::Kind::never: return "never";
  }
  return "unknown";
}

}  // namespace wk
