#include <gtest/gtest.h>

#include "base/civil_time.h"
#include "expr/testing/expansion_fixture.h"

namespace zelo {
namespace {

using DateTokensTest = ExpansionTest;

TEST_F(DateTokensTest, EveryTokenOnAKnownDay) {
  context.SetLocalTime(2007, 3, 14, 13, 5, 9);  // a Wednesday
  EXPECT_EQ(Expand("%yyyy|%yy|%mmmm|%mmm|%mm|%dddd|%ddd|%dd"), "2007|07|March|Mar|03|Wednesday|Wed|14");
  EXPECT_EQ(Expand("%uu|%hh|%ii|%ss|%a"), "13|01|05|09|PM");
  EXPECT_EQ(Expand("%dddd, %mmmm %dd, %yyyy at %hh:%ii %a"), "Wednesday, March 14, 2007 at 01:05 PM");
}

TEST_F(DateTokensTest, TheTwelveHourClock) {
  context.SetLocalTime(2007, 3, 14, 12, 0, 0);
  EXPECT_EQ(Expand("%hh %a"), "12 PM");
  context.SetLocalTime(2007, 3, 14, 23, 59, 0);
  EXPECT_EQ(Expand("%hh %a"), "11 PM");
  context.SetLocalTime(2007, 3, 14, 11, 0, 0);
  EXPECT_EQ(Expand("%hh %a"), "11 AM");
}

TEST_F(DateTokensTest, TwoDigitYearsCountFrom2000) {
  context.SetLocalTime(1999, 12, 31, 0, 0, 0);
  EXPECT_EQ(Expand("%yy"), "-1");
  context.SetLocalTime(2024, 1, 1, 0, 0, 0);
  EXPECT_EQ(Expand("%yy"), "24");
}

TEST_F(DateTokensTest, OffsetsInEachUnit) {
  context.SetLocalTime(2007, 3, 14, 13, 5, 9);
  EXPECT_EQ(Expand("%ss++51"), "00");
  EXPECT_EQ(Expand("%ii--15 %hh:%ii"), "50 12:50");
  EXPECT_EQ(Expand("%hh++2"), "03");
  EXPECT_EQ(Expand("%uu--14 %dd"), "23 13");
  EXPECT_EQ(Expand("%dd++7 %dddd"), "21 Wednesday");
  EXPECT_EQ(Expand("%yyyy++1 %mm/%dd"), "2008 03/13");  // 365 days, and 2008 is a leap year
  EXPECT_EQ(Expand("%yy--1"), "06");
}

TEST_F(DateTokensTest, TheFirstUnitInTheListWinsAndTheNumberIsRemovedEverywhere) {
  context.SetLocalTime(2007, 3, 14, 13, 5, 9);
  // Days come before years in the list; the one number is applied once.
  EXPECT_EQ(Expand("%yyyy++1 %dd++1"), "2007 15");
  // Without a unit the time stays, but "++N" still goes.
  EXPECT_EQ(Expand("C++3 %dd"), "C 14");
  EXPECT_EQ(Expand("C++3 %zz"), "C %zz");
  // An offset of 0 leaves its text.
  EXPECT_EQ(Expand("%dd++0"), "14++0");
}

TEST_F(DateTokensTest, OffsetNumbersAreReadFromTheNextFiveCharacters) {
  context.SetLocalTime(2007, 3, 14, 13, 5, 9);
  // All digits of the five characters count: "1, 2x" reads as 12.
  EXPECT_EQ(Expand("%dd++1, 2x"), "26++1, 2x");
  EXPECT_EQ(Expand("%dd++"), "14++");
}

TEST_F(DateTokensTest, NoPercentMeansNoClock) {
  EXPECT_EQ(Expand("C++ and --"), "C++ and --");
}

TEST(CivilTime, RoundTripsAndWeekdays) {
  for (int64_t s : {int64_t{0}, int64_t{951782400}, int64_t{1173877509}, int64_t{-86400}, int64_t{4102444800}}) {
    EXPECT_EQ(SecondsFromCivilTime(CivilTimeFromSeconds(s)), s);
  }
  const CivilTime leap = CivilTimeFromSeconds(951782400);  // 2000-02-29
  EXPECT_EQ(leap.year, 2000);
  EXPECT_EQ(leap.month, 2);
  EXPECT_EQ(leap.day, 29);
  EXPECT_EQ(leap.weekday, 2);  // a Tuesday
  EXPECT_EQ(CivilTimeFromSeconds(-86400).weekday, 3);  // 1969-12-31, a Wednesday
}

}  // namespace
}  // namespace zelo
