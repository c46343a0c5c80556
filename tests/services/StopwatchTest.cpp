#include "ZQ_Stopwatch.h"

#include <gtest/gtest.h>

#include "ZQLOW_Windows.h"
#include "ZQ_Countdown.h"

namespace {

// The clock the tests move by hand.
unsigned long s_now = 0;
unsigned long InjectedTicks() { return s_now; }

class InjectedClock : public testing::Test {
 protected:
  void SetUp() override {
    s_now = 1000;
    previous = ZQ_SetMillisecondTickCountSource(&InjectedTicks);
  }
  void TearDown() override { ZQ_SetMillisecondTickCountSource(previous); }

  ZQ_MillisecondTickCountSource previous = nullptr;
};

using Stopwatch = InjectedClock;
using Countdown = InjectedClock;

}  // namespace

TEST_F(Stopwatch, PausedTimeDoesNotCount) {
  ZQ_Stopwatch watch;
  EXPECT_TRUE(watch.IsRunning());
  s_now += 1500;
  EXPECT_DOUBLE_EQ(watch.Stop(), 1.5);
  s_now += 60000;
  EXPECT_DOUBLE_EQ(watch.GetElapsedSeconds(), 1.5);
  EXPECT_DOUBLE_EQ(watch.Stop(), 1.5) << "a second Stop changes nothing";
  EXPECT_DOUBLE_EQ(watch.Start(), 1.5);
  EXPECT_DOUBLE_EQ(watch.GetElapsedSeconds(), 1.5);
  s_now += 250;
  EXPECT_DOUBLE_EQ(watch.GetElapsedSeconds(), 1.75);
}

TEST_F(Stopwatch, StartOnARunningStopwatchDropsTheRunInProgress) {
  ZQ_Stopwatch watch;
  s_now += 400;
  EXPECT_DOUBLE_EQ(watch.Start(), 0.0);
  s_now += 100;
  EXPECT_DOUBLE_EQ(watch.GetElapsedSeconds(), 0.1);
}

TEST_F(Stopwatch, RestartReturnsTheTimeSoFarAndCountsFromZero) {
  const struct {
    bool isRunning;
    double returned;
    double afterwards;
    const char* why;
  } kCases[] = {
      {true, 0.7, 0.3, "a running stopwatch goes on from zero"},
      {false, 0.7, 0.0, "a stopped stopwatch stays stopped at zero"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Stopwatch watch;
    s_now += 700;
    if (!c.isRunning) watch.Stop();
    EXPECT_DOUBLE_EQ(watch.Restart(), c.returned);
    s_now += 300;
    EXPECT_DOUBLE_EQ(watch.GetElapsedSeconds(), c.afterwards);
    EXPECT_EQ(watch.IsRunning(), c.isRunning);
  }
}

TEST_F(Stopwatch, WrapOfTheTickCountKeepsTheDuration) {
  s_now = 4294967000ul;
  ZQ_Stopwatch watch;
  s_now = 200;  // 296 ms to the wrap, 200 after it
  EXPECT_DOUBLE_EQ(watch.GetElapsedSeconds(), 0.496);
  EXPECT_DOUBLE_EQ(watch.Stop(), 0.496);
}

TEST_F(Countdown, ExpiresWhenTheWholeDurationHasPassed) {
  const struct {
    double seconds;
    unsigned long waited;
    bool expired;
  } kCases[] = {
      {0.25, 249, false}, {0.25, 250, true}, {0.0, 0, true},
      {0.0009, 0, true},  // cut to 0 ms
      {1.9999, 1998, false}, {1.9999, 1999, true},
      {-1.0, 0, true},  // counts as 0
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.seconds << " s after " << c.waited << " ms");
    ZQ_Countdown countdown(c.seconds);
    s_now += c.waited;
    EXPECT_EQ(countdown.HasExpired(), c.expired);
  }
}

TEST_F(Countdown, ResetStartsAgainAndAWrapIsHarmless) {
  s_now = 4294967200ul;
  ZQ_Countdown countdown(0.5);
  s_now = 399;  // 96 + 399 = 495 ms
  EXPECT_FALSE(countdown.HasExpired());
  s_now = 404;
  EXPECT_TRUE(countdown.HasExpired());
  countdown.Reset(0.01);
  EXPECT_FALSE(countdown.HasExpired());
  s_now += 10;
  EXPECT_TRUE(countdown.HasExpired());
}

TEST(ZQ_GetMillisecondTickCount, FollowsTheSystemClockWithoutASource) {
  const ZQ_MillisecondTickCountSource previous = ZQ_SetMillisecondTickCountSource(nullptr);
  const unsigned long before = GetTickCount();
  const unsigned long ticks = ZQ_GetMillisecondTickCount();
  const unsigned long after = GetTickCount();
  EXPECT_LE(ticks - before, after - before);
  ZQ_SetMillisecondTickCountSource(previous);
}
