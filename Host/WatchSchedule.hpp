#pragma once
// What the watch loop does next, and when: render the next entry of the timeline when its date
// comes, render the entry on show again when its look changes with age, ask the provider again
// when the reload policy (or a file event) says so, and stop at a chosen moment. Pure
// bookkeeping on dates; the loop reads the clock, performs the action and reports back.
//
// Every entry of a timeline is rendered in order, each once its date has come; an entry whose
// date passed while the loop was busy (or asleep) is rendered as soon as possible, so the log
// shows the whole timeline. A new timeline starts at its current entry: the latest one whose
// date has come when it arrives (or its first, when none has).
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "Platform/Foundation/Date.hpp"
#include "Platform/WidgetKit/TimelineReloadPolicy.hpp"

namespace host::watch {

// One timeline entry as the schedule sees it: when it is shown, and the moment after which it
// looks different (a snapshot that turns stale), if any.
struct ScheduledEntry {
  fnd::Date date;
  std::optional<fnd::Date> changesAfter;
};

// Among actions due at the same moment, the earlier kind goes first: the last entry is
// rendered before the reload at its end, and everything due at the stop moment is done.
enum class ActionKind { render, restyle, reload, stop };

struct Action {
  ActionKind kind;
  fnd::Date due;
  std::size_t entry = 0;  // render, restyle: the entry's index in the timeline
  std::string why;        // reload: what asked for it
};

class Schedule {
 public:
  // The shortest wait after a reload before the reload policy may ask again, so that a
  // provider whose policy is due at once is not asked in a busy loop.
  static constexpr double minimumReloadInterval = 60;
  // How long after its change moment an entry is rendered again: the change is "after" that
  // moment, so the clock must have passed it when the view is built.
  static constexpr double changeMargin = 0.001;

  explicit Schedule(std::optional<fnd::Date> stopAt = std::nullopt) : stopAt_(stopAt) {}

  // Ask the provider before anything else (at start, on a file event); `why` goes into the
  // log. Requests before the reload are merged: the first one's reason is kept.
  void requestReload(std::string why);
  // The provider's answer, received at `at`. It replaces the timeline before it, and the
  // policy decides the next reload (a pending request is settled by it).
  void replace(std::vector<ScheduledEntry> entries, wk::TimelineReloadPolicy policy, fnd::Date at);
  // `entry` was rendered with the clock at `at`.
  void rendered(std::size_t entry, fnd::Date at);

  // The earliest action, due or not, as things stand at `now`; nothing when nothing will ever
  // be due (all rendered, a policy of never, no stop moment).
  std::optional<Action> next(fnd::Date now) const;

  const std::vector<ScheduledEntry>& entries() const { return entries_; }
  // When the reload policy asks again (a request aside); nothing for a policy of never.
  std::optional<fnd::Date> reloadAt() const { return reloadAt_; }

 private:
  std::optional<Action> nextRender() const;
  std::optional<Action> nextRestyle() const;

  std::vector<ScheduledEntry> entries_;
  std::size_t nextEntry_ = 0;         // the next entry to render
  std::optional<std::size_t> shown_;  // the entry rendered last, and when
  fnd::Date shownAt_{};
  bool reloadRequested_ = false;
  std::string requestWhy_;
  std::optional<fnd::Date> reloadAt_;  // by the policy
  std::string reloadWhy_;
  std::optional<fnd::Date> stopAt_;
};

}  // namespace host::watch
