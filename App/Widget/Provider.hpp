#pragma once
// The battery widget's timeline provider. It keeps nothing between calls: every request reads
// the snapshot file anew, and every completion is called once, on the calling thread, before
// the request returns.
#include <functional>

#include "App/Widget/Entry.hpp"
#include "Platform/WidgetKit/Timeline.hpp"
#include "Platform/WidgetKit/TimelineProvider.hpp"

namespace pellora {

struct Provider {
  using Entry = ::pellora::Entry;

  // Seconds between two timeline entries, how many entries a timeline holds, and how long to
  // wait before asking again when there is no snapshot.
  static constexpr double entrySpacing = 300.0;
  static constexpr int entryCount = 12;
  static constexpr double retryWithoutSnapshot = 1800.0;

  // The placeholder snapshot with its own percent, dated now.
  Entry placeholder(const wk::TimelineProviderContext& in) const;
  // In a preview the placeholder (the file is not read); otherwise the stored snapshot, or the
  // placeholder when there is none; always with the snapshot's own percent.
  void getSnapshot(const wk::TimelineProviderContext& in,
                   const std::function<void(Entry)>& completion) const;
  // Twelve entries five minutes apart from now with the projected charge, reloaded at the end;
  // or, without a snapshot, one empty entry and another try in half an hour.
  void getTimeline(const wk::TimelineProviderContext& in,
                   const std::function<void(wk::Timeline<Entry>)>& completion) const;
};

static_assert(wk::TimelineProvider<Provider>);

}  // namespace pellora
