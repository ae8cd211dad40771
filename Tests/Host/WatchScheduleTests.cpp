#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Host/WatchSchedule.hpp"

namespace {

using host::watch::Action;
using host::watch::ActionKind;
using host::watch::Schedule;
using host::watch::ScheduledEntry;
using wk::TimelineReloadPolicy;

fnd::Date at(double seconds) { return fnd::dateFromSeconds(seconds); }

std::string describe(const Action& a, double wake) {
  std::string text;
  switch (a.kind) {
    case ActionKind::render: text = "render#" + std::to_string(a.entry); break;
    case ActionKind::restyle: text = "restyle#" + std::to_string(a.entry); break;
    case ActionKind::reload: text = "reload(" + a.why + ")"; break;
    case ActionKind::stop: text = "stop"; break;
  }
  char when[32];
  std::snprintf(when, sizeof when, "@%g", wake);
  return text + when;
}

// Wakes the schedule at each moment and does everything due then, as the loop does; a reload
// or stop ends the run.
std::vector<std::string> runAt(Schedule& schedule, const std::vector<double>& wakes) {
  std::vector<std::string> done;
  for (double wake : wakes) {
    while (const std::optional<Action> a = schedule.next(at(wake))) {
      if (a->due > at(wake)) break;
      done.push_back(describe(*a, wake));
      if (a->kind == ActionKind::reload || a->kind == ActionKind::stop) return done;
      schedule.rendered(a->entry, at(wake));
    }
  }
  return done;
}

std::vector<ScheduledEntry> entriesEvery300(int count, std::optional<double> changesAfter = {}) {
  std::vector<ScheduledEntry> entries;
  for (int i = 0; i < count; ++i) {
    ScheduledEntry e{at(i * 300.0), std::nullopt};
    if (changesAfter) e.changesAfter = at(*changesAfter);
    entries.push_back(e);
  }
  return entries;
}

struct Case {
  const char* name;
  std::vector<ScheduledEntry> entries;
  TimelineReloadPolicy policy;
  double receivedAt;
  std::optional<double> stopAt;
  std::vector<double> wakes;
  std::vector<std::string> expected;
};

class ScheduleRun : public ::testing::TestWithParam<Case> {};

TEST_P(ScheduleRun, DoesWhatIsDueInOrder) {
  const Case& c = GetParam();
  Schedule schedule(c.stopAt ? std::optional(at(*c.stopAt)) : std::nullopt);
  schedule.replace(c.entries, c.policy, at(c.receivedAt));
  EXPECT_EQ(runAt(schedule, c.wakes), c.expected);
}

std::vector<double> every300(int count) {
  std::vector<double> wakes;
  for (int i = 0; i < count; ++i) wakes.push_back(i * 300.0);
  return wakes;
}

const Case cases[] = {
    {"TwelveEntriesOnTimeThenReloadAtTheEnd", entriesEvery300(12), TimelineReloadPolicy::atEnd, 0,
     std::nullopt, every300(12),
     {"render#0@0", "render#1@300", "render#2@600", "render#3@900", "render#4@1200",
      "render#5@1500", "render#6@1800", "render#7@2100", "render#8@2400", "render#9@2700",
      "render#10@3000", "render#11@3300", "reload(end of timeline)@3300"}},
    {"LateWakesCatchUpEveryEntryInOrder", entriesEvery300(12), TimelineReloadPolicy::atEnd, 0,
     std::nullopt, {0, 1000, 3400},
     {"render#0@0", "render#1@1000", "render#2@1000", "render#3@1000", "render#4@3400",
      "render#5@3400", "render#6@3400", "render#7@3400", "render#8@3400", "render#9@3400",
      "render#10@3400", "render#11@3400", "reload(end of timeline)@3400"}},
    {"AfterPolicyReloadsAtItsDate", entriesEvery300(1), TimelineReloadPolicy::after(at(1800)), 0,
     std::nullopt, {0, 1799.9, 1800}, {"render#0@0", "reload(reload date)@1800"}},
    {"AfterPolicyEndsTheTimelineEarly", entriesEvery300(12), TimelineReloadPolicy::after(at(500)),
     0, std::nullopt, {0, 300, 600}, {"render#0@0", "render#1@300", "reload(reload date)@600"}},
    {"NeverPolicyRendersAndWaits", entriesEvery300(2), TimelineReloadPolicy::never, 0,
     std::nullopt, {0, 300, 1e9}, {"render#0@0", "render#1@300"}},
    {"ReceivedLateStartsAtTheCurrentEntry", entriesEvery300(12), TimelineReloadPolicy::atEnd,
     1000, std::nullopt, {1000, 1200}, {"render#3@1000", "render#4@1200"}},
    {"FutureEntriesWaitForTheirDate", {{at(500), {}}, {at(800), {}}}, TimelineReloadPolicy::never,
     0, std::nullopt, {0, 499, 500}, {"render#0@500"}},
    {"RestyleJustAfterTheChangeMoment", entriesEvery300(2, 100), TimelineReloadPolicy::never, 0,
     std::nullopt, {0, 100, 100.001, 300}, {"render#0@0", "restyle#0@100.001", "render#1@300"}},
    {"RestyleDroppedWhenTheNextEntryIsDueToo", entriesEvery300(2, 100),
     TimelineReloadPolicy::atEnd, 0, std::nullopt, {0, 400},
     {"render#0@0", "render#1@400", "reload(end of timeline)@400"}},
    {"NoRestyleForAnEntryThatWasAlreadyChanged", entriesEvery300(1, -10),
     TimelineReloadPolicy::never, 0, std::nullopt, {0, 1e6}, {"render#0@0"}},
    {"StopAfterWhatIsDueAtTheSameMoment", entriesEvery300(3), TimelineReloadPolicy::atEnd, 0, 300,
     {0, 300}, {"render#0@0", "render#1@300", "stop@300"}},
    {"ImmediatePolicyWaitsTheMinimumInterval", entriesEvery300(1), TimelineReloadPolicy::atEnd, 0,
     std::nullopt, {0, 59, 60}, {"render#0@0", "reload(end of timeline)@60"}},
    {"EmptyTimelineOnlyReloads", {}, TimelineReloadPolicy::after(at(10)), 0, std::nullopt,
     {0, 60}, {"reload(reload date)@60"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ScheduleRun, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleRequest, ARequestedReloadGoesFirstAndKeepsTheFirstReason) {
  Schedule schedule;
  EXPECT_FALSE(schedule.next(at(0)));  // nothing at all before the first timeline

  schedule.requestReload("start");
  schedule.requestReload("snapshot.json replaced");
  std::optional<Action> a = schedule.next(at(5));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->kind, ActionKind::reload);
  EXPECT_EQ(a->due, at(5));
  EXPECT_EQ(a->why, "start");

  schedule.replace(entriesEvery300(12), TimelineReloadPolicy::atEnd, at(5));
  schedule.rendered(0, at(5));
  // Entries are due, yet a file event is answered before them.
  schedule.requestReload("snapshot.json removed");
  a = schedule.next(at(2000));
  ASSERT_TRUE(a);
  EXPECT_EQ(a->kind, ActionKind::reload);
  EXPECT_EQ(a->why, "snapshot.json removed");

  // The answer settles the request; a policy of never with everything shown leaves nothing.
  schedule.replace(entriesEvery300(1), TimelineReloadPolicy::never, at(2000));
  schedule.rendered(0, at(2000));
  EXPECT_FALSE(schedule.next(at(2000)));
  EXPECT_FALSE(schedule.reloadAt());
}

}  // namespace
