#include "App/Widget/Provider.hpp"

#include <optional>
#include <vector>

#include "Platform/Foundation/Clock.hpp"

namespace pellora {
namespace {

std::optional<WidgetSnapshot> readSnapshot() {
  return WidgetSnapshot::load(WidgetSnapshot::fileURL());
}

}  // namespace

Entry Provider::placeholder(const wk::TimelineProviderContext&) const {
  const Date now = fnd::Clock::now();
  WidgetSnapshot snapshot = WidgetSnapshot::placeholder();
  const std::int64_t percent = snapshot.percent;
  return Entry{now, std::move(snapshot), percent};
}

void Provider::getSnapshot(const wk::TimelineProviderContext& in,
                           const std::function<void(Entry)>& completion) const {
  std::optional<WidgetSnapshot> snapshot;
  if (!in.isPreview) snapshot = readSnapshot();
  if (!snapshot) snapshot = WidgetSnapshot::placeholder();
  const Date now = fnd::Clock::now();  // read after the file, as late as possible
  const std::int64_t percent = snapshot->percent;
  completion(Entry{now, std::move(snapshot), percent});
}

void Provider::getTimeline(const wk::TimelineProviderContext&,
                           const std::function<void(wk::Timeline<Entry>)>& completion) const {
  const Date now = fnd::Clock::now();
  const fnd::SharedValue<WidgetSnapshot> snapshot = readSnapshot();
  if (!snapshot) {
    completion(wk::Timeline<Entry>({Entry{now, std::nullopt, 0}},
                                   wk::TimelineReloadPolicy::after(now + Seconds{retryWithoutSnapshot})));
    return;
  }
  std::vector<Entry> entries;
  entries.reserve(entryCount);
  for (int i = 0; i < entryCount; ++i) {
    const Date date = now + Seconds{i * entrySpacing};
    entries.push_back(Entry{date, snapshot, snapshot->projectedPercent(date)});
  }
  completion(wk::Timeline<Entry>(std::move(entries), wk::TimelineReloadPolicy::atEnd));
}

}  // namespace pellora
