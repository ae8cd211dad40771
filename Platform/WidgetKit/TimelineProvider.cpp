#include "Platform/WidgetKit/TimelineProvider.hpp"

#include <optional>
#include <string>

namespace wk {
namespace {

// Keeps the first value a completion receives and counts the calls.
template <class T>
struct Received {
  std::optional<T> value;
  int calls = 0;

  void receive(T v) {
    if (calls++ == 0) value.emplace(std::move(v));
  }
  T take(const char* request) {
    if (calls != 1) {
      throw ProviderContractError(std::string("the timeline provider's ") + request +
                                  " called its completion " + std::to_string(calls) +
                                  " times instead of once");
    }
    return std::move(*value);
  }
};

}  // namespace

AnyEntry AnyTimelineProvider::snapshot(const TimelineProviderContext& context) const {
  Received<AnyEntry> received;
  getSnapshot(context, [&received](AnyEntry e) { received.receive(std::move(e)); });
  return received.take("getSnapshot");
}

Timeline<AnyEntry> AnyTimelineProvider::timeline(const TimelineProviderContext& context) const {
  Received<Timeline<AnyEntry>> received;
  getTimeline(context, [&received](Timeline<AnyEntry> t) { received.receive(std::move(t)); });
  return received.take("getTimeline");
}

}  // namespace wk
