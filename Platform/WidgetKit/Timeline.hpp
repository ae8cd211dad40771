#pragma once
// A provider's answer: its entries in ascending date order and when to ask again.
#include <vector>

#include "Platform/WidgetKit/TimelineEntry.hpp"
#include "Platform/WidgetKit/TimelineReloadPolicy.hpp"

namespace wk {

template <TimelineEntry Entry>
struct Timeline {
  std::vector<Entry> entries;
  TimelineReloadPolicy policy;

  Timeline(std::vector<Entry> entries, TimelineReloadPolicy policy)
      : entries(std::move(entries)), policy(policy) {}
};

}  // namespace wk
