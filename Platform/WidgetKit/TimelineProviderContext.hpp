#pragma once
// What the host tells a provider about the request: the family it will show, whether it is a
// preview (the gallery, say), and the size in points it will show it at.
#include "Platform/WidgetKit/WidgetFamily.hpp"

namespace wk {

struct DisplaySize {
  double width = 0;
  double height = 0;
  bool operator==(const DisplaySize&) const = default;
};

struct TimelineProviderContext {
  WidgetFamily family = WidgetFamily::systemSmall;
  bool isPreview = false;
  DisplaySize displaySize{};
};

}  // namespace wk
