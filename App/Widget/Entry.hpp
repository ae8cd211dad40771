#pragma once
// One timeline entry of the battery widget: when to show it, the snapshot to show (absent when
// none could be read: the widget shows its empty state), and the charge to show at that date.
// The snapshot never changes once read, so a timeline's twelve entries share one copy of it.
#include <cstdint>
#include <optional>

#include "PelloraShared/Date.hpp"
#include "PelloraShared/WidgetSnapshot.hpp"
#include "Platform/Foundation/SharedValue.hpp"
#include "Platform/WidgetKit/TimelineEntry.hpp"

namespace pellora {

struct Entry {
  Date date;
  fnd::SharedValue<WidgetSnapshot> snapshot;
  std::int64_t percent = 0;
};

static_assert(wk::TimelineEntry<Entry>);

}  // namespace pellora
