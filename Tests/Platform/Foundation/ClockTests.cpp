#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Platform/Foundation/Clock.hpp"

namespace {

using fnd::Clock;
using fnd::dateFromSeconds;
using fnd::secondsSince1970;

class ClockTest : public ::testing::Test {
 protected:
  void TearDown() override { Clock::useSystem(); }
};

TEST_F(ClockTest, FixedTimeStaysPut) {
  Clock::setFixed(dateFromSeconds(1765274400.25));
  EXPECT_EQ(secondsSince1970(Clock::now()), 1765274400.25);
  EXPECT_EQ(secondsSince1970(Clock::now()), 1765274400.25);
}

TEST_F(ClockTest, SimulatedClockRunsFromItsStartInTheDirectionOfItsSpeed) {
  struct Case {
    double speed;
    int direction;  // sign of (later reading - start)
  };
  const Case cases[] = {{0.0, 0}, {60.0, 1}, {1.0, 1}, {-5.0, -1}};
  const fnd::Date start = dateFromSeconds(1000000.0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    Clock::setSimulated(start, c.speed);
    const fnd::Date first = Clock::now();
    const fnd::Date second = Clock::now();
    if (c.direction == 0) {
      EXPECT_EQ(first, start);
      EXPECT_EQ(second, start);
    } else if (c.direction > 0) {
      EXPECT_GE(first, start);
      EXPECT_GE(second, first);
    } else {
      EXPECT_LE(first, start);
      EXPECT_LE(second, first);
    }
  }
}

TEST_F(ClockTest, SystemClockIsTheDefaultAfterUseSystem) {
  Clock::setFixed(dateFromSeconds(5));
  Clock::useSystem();
  const auto before = std::chrono::system_clock::now();
  const fnd::Date now = Clock::now();
  const auto after = std::chrono::system_clock::now();
  EXPECT_GE(now, std::chrono::time_point_cast<fnd::Seconds>(before));
  EXPECT_LE(now, std::chrono::time_point_cast<fnd::Seconds>(after));
}

TEST_F(ClockTest, ReadersSeeOnlyTimesThatWereSet) {
  const fnd::Date a = dateFromSeconds(100), b = dateFromSeconds(200);
  Clock::setFixed(a);
  std::atomic<bool> stop{false};
  std::atomic<int> strange{0};
  std::vector<std::thread> readers;
  for (int i = 0; i < 3; ++i) {
    readers.emplace_back([&] {
      while (!stop) {
        const fnd::Date t = Clock::now();
        if (t != a && t != b) ++strange;
      }
    });
  }
  for (int i = 0; i < 20000; ++i) Clock::setFixed(i % 2 ? a : b);
  stop = true;
  for (auto& t : readers) t.join();
  EXPECT_EQ(strange.load(), 0);
}

TEST_F(ClockTest, FixedClockScopeRestoresTheSystemClock) {
  {
    fnd::FixedClockScope scope(dateFromSeconds(42));
    EXPECT_EQ(secondsSince1970(Clock::now()), 42);
  }
  EXPECT_GT(secondsSince1970(Clock::now()), 1.0e9);
}

}  // namespace
