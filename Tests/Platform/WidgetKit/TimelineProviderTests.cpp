#include <gtest/gtest.h>

#include "ToyWidgets.hpp"

namespace {

const toy::ClockEntry& clock(const wk::AnyEntry& e) {
  const auto* entry = e.as<toy::ClockEntry>();
  if (entry == nullptr) throw std::logic_error("not a clock entry");
  return *entry;
}

TEST(AnyTimelineProviderTest, PassesTheThreeRequestsThrough) {
  const wk::AnyTimelineProvider p(toy::ClockProvider{});
  EXPECT_EQ(clock(p.placeholder({})).hour, 12);

  wk::TimelineProviderContext preview;
  preview.isPreview = true;
  EXPECT_EQ(clock(p.snapshot(preview)).hour, 9);
  EXPECT_EQ(clock(p.snapshot({})).hour, 10);
  EXPECT_EQ(fnd::secondsSince1970(p.snapshot({}).date), 60);

  const wk::Timeline<wk::AnyEntry> t = p.timeline({});
  ASSERT_EQ(t.entries.size(), 2u);
  EXPECT_EQ(fnd::secondsSince1970(t.entries[1].date), 3600);
  EXPECT_EQ(clock(t.entries[1]).hour, 2);
  EXPECT_EQ(t.policy, wk::TimelineReloadPolicy::after(fnd::dateFromSeconds(7200)));
  EXPECT_EQ(t.policy.kind(), wk::TimelineReloadPolicy::Kind::after);
}

TEST(AnyTimelineProviderTest, RefusesAProviderThatDoesNotAnswerExactlyOnce) {
  for (toy::Answer answer : {toy::Answer::never, toy::Answer::twice}) {
    const wk::AnyTimelineProvider p(toy::ClockProvider{answer});
    EXPECT_THROW(p.snapshot({}), wk::ProviderContractError);
    EXPECT_THROW(p.timeline({}), wk::ProviderContractError);
  }
}

TEST(AnyEntryTest, GivesTheEntryOnlyAsItsOwnType) {
  const wk::AnyEntry e(toy::ClockEntry{fnd::dateFromSeconds(5), 3});
  EXPECT_EQ(fnd::secondsSince1970(e.date), 5);
  ASSERT_NE(e.as<toy::ClockEntry>(), nullptr);
  EXPECT_EQ(e.as<toy::ClockEntry>()->hour, 3);
  struct Other {
    fnd::Date date;
  };
  EXPECT_EQ(e.as<Other>(), nullptr);
}

TEST(TimelineReloadPolicyTest, KindsAndDates) {
  using P = wk::TimelineReloadPolicy;
  EXPECT_EQ(P::atEnd.kind(), P::Kind::atEnd);
  EXPECT_FALSE(P::atEnd.date().has_value());
  EXPECT_EQ(P::never.kind(), P::Kind::never);
  EXPECT_EQ(P::after(fnd::dateFromSeconds(10)).date(), fnd::dateFromSeconds(10));
  EXPECT_NE(P::after(fnd::dateFromSeconds(10)), P::after(fnd::dateFromSeconds(11)));
  EXPECT_NE(P::atEnd, P::never);
  EXPECT_EQ(wk::toString(P::Kind::after), "after");
}

}  // namespace
