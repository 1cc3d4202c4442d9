#include "engine/elapsed_time.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(ElapsedTime, UnderASecond) {
  EXPECT_EQ(ElapsedTimeText(0), "less than 1 second");
  EXPECT_EQ(ElapsedTimeText(999), "less than 1 second");
}

TEST(ElapsedTime, SecondsWithPluralOnlyAboveOne) {
  EXPECT_EQ(ElapsedTimeText(1000), "1 second");
  EXPECT_EQ(ElapsedTimeText(1999), "1 second");
  EXPECT_EQ(ElapsedTimeText(2000), "2 seconds");
  EXPECT_EQ(ElapsedTimeText(59999), "59 seconds");
}

TEST(ElapsedTime, MinutesAndSeconds) {
  EXPECT_EQ(ElapsedTimeText(60000), "1:00");
  EXPECT_EQ(ElapsedTimeText(61000), "1:01");
  EXPECT_EQ(ElapsedTimeText(3599999), "59:59");
}

TEST(ElapsedTime, HoursMinutesSeconds) {
  EXPECT_EQ(ElapsedTimeText(3600000), "1:00:00");
  EXPECT_EQ(ElapsedTimeText(3723000), "1:02:03");
  EXPECT_EQ(ElapsedTimeText(215999000), "59:59:59");
}

TEST(ElapsedTime, SixtyHoursAndMoreKeepCountingHours) {
  EXPECT_EQ(ElapsedTimeText(216000000), "60:00:00");
  EXPECT_EQ(ElapsedTimeText(4294967295u), "1193:02:47");
}

}  // namespace
}  // namespace zelo
