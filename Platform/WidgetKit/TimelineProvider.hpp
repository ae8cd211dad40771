#pragma once
// The contract between a widget and the host: a provider answers three requests, each by
// calling the completion it is given exactly once before it returns.
//   placeholder(in)              an entry to show while nothing is known yet, returned directly
//   getSnapshot(in, completion)  one entry for a preview or a quick look (context.isPreview)
//   getTimeline(in, completion)  the entries to show from now on, and when to ask again
// AnyTimelineProvider holds any provider for the host, its entries as AnyEntry.
#include <concepts>
#include <functional>
#include <memory>
#include <stdexcept>
#include <typeindex>
#include <utility>

#include "Platform/WidgetKit/Timeline.hpp"
#include "Platform/WidgetKit/TimelineEntry.hpp"
#include "Platform/WidgetKit/TimelineProviderContext.hpp"

namespace wk {

template <class P>
concept TimelineProvider =
    std::copyable<P> && TimelineEntry<typename P::Entry> &&
    requires(const P& p, const TimelineProviderContext& context,
             const std::function<void(typename P::Entry)>& entryCompletion,
             const std::function<void(Timeline<typename P::Entry>)>& timelineCompletion) {
      { p.placeholder(context) } -> std::same_as<typename P::Entry>;
      p.getSnapshot(context, entryCompletion);
      p.getTimeline(context, timelineCompletion);
    };

// An entry of any provider: its date, and the entry itself for whoever knows its type.
class AnyEntry {
 public:
  template <TimelineEntry E>
  explicit AnyEntry(E entry)
      : date(entry.date), type_(typeid(E)), entry_(std::make_shared<const E>(std::move(entry))) {}

  fnd::Date date;

  // The entry, when it is an E; nullptr otherwise.
  template <class E>
  const E* as() const {
    return type_ == std::type_index(typeid(E)) ? static_cast<const E*>(entry_.get()) : nullptr;
  }

 private:
  std::type_index type_;
  std::shared_ptr<const void> entry_;
};

// A provider that broke the contract: it returned without calling its completion, or called it
// more than once.
class ProviderContractError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class AnyTimelineProvider {
 public:
  template <TimelineProvider P>
  explicit AnyTimelineProvider(P provider)
      : placeholder_([provider](const TimelineProviderContext& c) {
          return AnyEntry(provider.placeholder(c));
        }),
        getSnapshot_([provider](const TimelineProviderContext& c,
                                const std::function<void(AnyEntry)>& completion) {
          provider.getSnapshot(c, [&completion](typename P::Entry e) {
            completion(AnyEntry(std::move(e)));
          });
        }),
        getTimeline_([provider](const TimelineProviderContext& c,
                                const std::function<void(Timeline<AnyEntry>)>& completion) {
          provider.getTimeline(c, [&completion](Timeline<typename P::Entry> t) {
            std::vector<AnyEntry> entries;
            entries.reserve(t.entries.size());
            for (auto& e : t.entries) entries.emplace_back(std::move(e));
            completion(Timeline<AnyEntry>(std::move(entries), t.policy));
          });
        }) {}

  // The three requests, passed through.
  AnyEntry placeholder(const TimelineProviderContext& context) const {
    return placeholder_(context);
  }
  void getSnapshot(const TimelineProviderContext& context,
                   const std::function<void(AnyEntry)>& completion) const {
    getSnapshot_(context, completion);
  }
  void getTimeline(const TimelineProviderContext& context,
                   const std::function<void(Timeline<AnyEntry>)>& completion) const {
    getTimeline_(context, completion);
  }

  // The host's way to ask: the value the completion received. Throws ProviderContractError
  // unless the completion was called exactly once before the request returned.
  AnyEntry snapshot(const TimelineProviderContext& context) const;
  Timeline<AnyEntry> timeline(const TimelineProviderContext& context) const;

 private:
  std::function<AnyEntry(const TimelineProviderContext&)> placeholder_;
  std::function<void(const TimelineProviderContext&, const std::function<void(AnyEntry)>&)>
      getSnapshot_;
  std::function<void(const TimelineProviderContext&,
                     const std::function<void(Timeline<AnyEntry>)>&)>
      getTimeline_;
};

}  // namespace wk
