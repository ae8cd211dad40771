#include "Host/WatchSchedule.hpp"

#include <algorithm>
#include <utility>

namespace host::watch {

void Schedule::requestReload(std::string why) {
  if (reloadRequested_) return;
  reloadRequested_ = true;
  requestWhy_ = std::move(why);
}

void Schedule::replace(std::vector<ScheduledEntry> entries, wk::TimelineReloadPolicy policy,
                       fnd::Date at) {
  entries_ = std::move(entries);
  // Start at the current entry: the last one whose date has come, or the first.
  nextEntry_ = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].date <= at) nextEntry_ = i;
  }
  shown_.reset();
  reloadRequested_ = false;
  requestWhy_.clear();

  const fnd::Date earliest = at + fnd::Seconds{minimumReloadInterval};
  reloadAt_.reset();
  switch (policy.kind()) {
    case wk::TimelineReloadPolicy::Kind::atEnd:
      reloadAt_ = entries_.empty() ? earliest : std::max(entries_.back().date, earliest);
      reloadWhy_ = "end of timeline";
      break;
    case wk::TimelineReloadPolicy::Kind::after:
      reloadAt_ = std::max(policy.date().value_or(earliest), earliest);
      reloadWhy_ = "reload date";
      break;
    case wk::TimelineReloadPolicy::Kind::never:
      break;
  }
}

void Schedule::rendered(std::size_t entry, fnd::Date at) {
  shown_ = entry;
  shownAt_ = at;
  if (entry >= nextEntry_) nextEntry_ = entry + 1;
}

std::optional<Action> Schedule::nextRender() const {
  if (nextEntry_ >= entries_.size()) return std::nullopt;
  return Action{ActionKind::render, entries_[nextEntry_].date, nextEntry_, {}};
}

std::optional<Action> Schedule::nextRestyle() const {
  if (!shown_) return std::nullopt;
  const std::optional<fnd::Date>& change = entries_[*shown_].changesAfter;
  // Rendered after the change already: it shows the changed look.
  if (!change || shownAt_ > *change) return std::nullopt;
  return Action{ActionKind::restyle, *change + fnd::Seconds{changeMargin}, *shown_, {}};
}

std::optional<Action> Schedule::next(fnd::Date now) const {
  if (reloadRequested_) return Action{ActionKind::reload, now, 0, requestWhy_};

  std::vector<Action> candidates;
  const std::optional<Action> render = nextRender();
  if (render) candidates.push_back(*render);
  std::optional<Action> reload;
  if (reloadAt_) reload = Action{ActionKind::reload, *reloadAt_, 0, reloadWhy_};
  if (reload) candidates.push_back(*reload);
  // A render or reload that is due as well replaces the entry on show anyway.
  if (const std::optional<Action> restyle = nextRestyle()) {
    const bool superseded =
        (render && render->due <= now) || (reload && reload->due <= now);
    if (!superseded) candidates.push_back(*restyle);
  }
  if (stopAt_) candidates.push_back(Action{ActionKind::stop, *stopAt_, 0, {}});

  if (candidates.empty()) return std::nullopt;
  return *std::min_element(candidates.begin(), candidates.end(),
                           [](const Action& a, const Action& b) {
                             if (a.due != b.due) return a.due < b.due;
                             return a.kind < b.kind;
                           });
}

}  // namespace host::watch
