#include "ui/main/clock_text.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(StatusClock, TwelveHourClockWithMidnightAndNoonAsTwelve) {
  EXPECT_EQ(ClockText(0, 5), " 12:05 AM");
  EXPECT_EQ(ClockText(12, 0), " 12:00 PM");
  EXPECT_EQ(ClockText(23, 59), " 11:59 PM");
}

}  // namespace
}  // namespace zelo
