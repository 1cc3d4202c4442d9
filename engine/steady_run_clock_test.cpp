#include "engine/steady_run_clock.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(SteadyRunClock, SleepMovesTheTicksOn) {
  SteadyRunClock clock;
  const uint32_t before = clock.Ticks();
  clock.Sleep(20);
  EXPECT_GE(clock.Ticks() - before, 15u);  // coarse timers may round a little
}

TEST(SteadyRunClock, LocalTimeIsInRange) {
  const CivilTime t = SteadyRunClock().Now();
  EXPECT_GE(t.year, 2020);
  EXPECT_TRUE(t.month >= 1 && t.month <= 12);
  EXPECT_TRUE(t.day >= 1 && t.day <= 31);
  EXPECT_TRUE(t.hour >= 0 && t.hour <= 23);
  EXPECT_TRUE(t.minute >= 0 && t.minute <= 59);
  EXPECT_TRUE(t.second >= 0 && t.second <= 60);
}

}  // namespace
}  // namespace zelo
