#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "PelloraShared/WidgetSnapshot.hpp"

namespace {

using pellora::WidgetSnapshot;

TEST(Placeholder, HoldsTheDocumentedValues) {
  const WidgetSnapshot s = WidgetSnapshot::placeholder();
  EXPECT_EQ(s.percent, 72);
  EXPECT_EQ(s.mode, WidgetSnapshot::Mode::onBattery);
  EXPECT_EQ(s.status, "On battery \u00B7 5 h 20 m left");
  EXPECT_EQ(s.minutesLeft, 320);
  EXPECT_EQ(s.watts, 6.4);
  EXPECT_EQ(s.limit, 80);
  ASSERT_EQ(s.topApps.size(), 3u);
  const std::pair<const char*, double> apps[] = {{"Safari", 1.8}, {"Xcode", 1.1}, {"Mail", 0.3}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(s.topApps[i].name, apps[i].first);
    EXPECT_EQ(s.topApps[i].watts, apps[i].second);
    EXPECT_FALSE(s.topApps[i].icon);
  }
  EXPECT_EQ(s.health, 0.94);
  EXPECT_EQ(s.cycles, 212);
  EXPECT_EQ(s.temperature, 31.0);
  EXPECT_FALSE(s.adapterWatts);
  EXPECT_EQ(s.insight, "Safari is using a lot of power");
}

TEST(Placeholder, HistoryIsADayInHalfHours) {
  const WidgetSnapshot s = WidgetSnapshot::placeholder();
  ASSERT_TRUE(s.history);
  ASSERT_EQ(s.history->size(), 48u);
  std::vector<std::int64_t> expected(20, 80);
  for (int p : {78, 77, 75, 74, 72, 71, 69, 68, 66, 65, 68, 72, 75, 79, 78, 78, 77, 77, 76, 76, 75, 75, 74, 74, 73, 73, 72, 72}) {
    expected.push_back(p);
  }
  for (std::size_t i = 0; i < 48; ++i) {
    const double hoursBefore = (47.0 - static_cast<double>(i)) / 2;
    EXPECT_EQ((*s.history)[i].p, expected[i]) << i;
    EXPECT_DOUBLE_EQ(pellora::secondsSince1970((*s.history)[i].t), pellora::secondsSince1970(s.updated) - hoursBefore * 3600) << i;
  }
  EXPECT_EQ((*s.history)[47].t, s.updated);
}

TEST(Placeholder, IsBuiltOnceEvenWhenThreadsRace) {
  std::vector<std::thread> threads;
  std::vector<WidgetSnapshot> seen(8, WidgetSnapshot{});
  for (std::size_t i = 0; i < seen.size(); ++i) {
    threads.emplace_back([&seen, i] { seen[i] = WidgetSnapshot::placeholder(); });
  }
  for (auto& t : threads) t.join();
  for (const auto& s : seen) EXPECT_TRUE(s == seen[0]);
  EXPECT_TRUE(WidgetSnapshot::placeholder() == seen[0]);
}

}  // namespace
