#include "actions/functions/number_functions.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(AbsoluteValueText, DropsTheSignOfTheIntegerReading) {
  EXPECT_EQ(AbsoluteValueText("-42"), "42");
  EXPECT_EQ(AbsoluteValueText("17"), "17");
  EXPECT_EQ(AbsoluteValueText("-3.7"), "37");
  EXPECT_EQ(AbsoluteValueText("abc"), "0");
}

TEST(FormatNumberText, IntegerConversionsTruncate) {
  EXPECT_EQ(FormatNumberText("42.9", "%06d"), "000042");
  EXPECT_EQ(FormatNumberText("-42.9", "%d"), "-42");
  EXPECT_EQ(FormatNumberText("255", "0x%X"), "0xFF");
  EXPECT_EQ(FormatNumberText("65", "%c"), "A");
  EXPECT_EQ(FormatNumberText("7", "%d%%"), "7%");
  // A real conversion beside an integer one shows the truncated value.
  EXPECT_EQ(FormatNumberText("2.5", "%d %.1f"), "2 2.0");
}

TEST(FormatNumberText, RealConversionsRoundDecimalHalvesUp) {
  EXPECT_EQ(FormatNumberText("2.675", "%.2f"), "2.68");
  EXPECT_EQ(FormatNumberText("0.5", "%g"), "0.5");
  EXPECT_EQ(FormatNumberText("abc", "%.1f"), "0.0");
}

TEST(FormatNumberText, TextAndUnusualConversionsAreSafe) {
  EXPECT_EQ(FormatNumberText("hello", "[%s]"), "[hello]");
  EXPECT_EQ(FormatNumberText("hello", "%.3s"), "hel");
  EXPECT_EQ(FormatNumberText("8", "%o"), "10");
  EXPECT_EQ(FormatNumberText("-1", "%u"), "4294967295");
  EXPECT_EQ(FormatNumberText("5", "%n %s"), "%n 5");
  EXPECT_EQ(FormatNumberText("5", "%*d"), "%*d");
  EXPECT_EQ(FormatNumberText("5", "%").size(), 1u);
  EXPECT_LE(FormatNumberText("5", "%999999999d").size(), 1100u);
}

TEST(FormatNumberText, PicturesGiveZeroPaddedFixedPoint) {
  EXPECT_EQ(FormatNumberText("3.14159", "#.##"), "3.14");
  EXPECT_EQ(FormatNumberText("7", "###"), "007");
  EXPECT_EQ(FormatNumberText("1234567", "#,###,###.##"), "1,234,567.00");
  EXPECT_EQ(FormatNumberText("1234", "#,###,###.##"), "0001,234.00");
  EXPECT_EQ(FormatNumberText("10000", "##,###.##"), "10,000.00");
  EXPECT_EQ(FormatNumberText("-1234.5", "#,###.#"), "-1,234.5");
}

TEST(GroupThousands, GroupsInnerZerosAndLeavesLeadingZeros) {
  EXPECT_EQ(GroupThousands("10000.00"), "10,000.00");
  EXPECT_EQ(GroupThousands("1000000"), "1,000,000");
  EXPECT_EQ(GroupThousands("000123"), "000123");
  EXPECT_EQ(GroupThousands("0"), "0");
  EXPECT_EQ(GroupThousands("-100"), "-100");
  EXPECT_EQ(GroupThousands("inf"), "inf");
}

TEST(NumberToWords, SpellsGroupsAndScales) {
  EXPECT_EQ(NumberToWords("15"), "Fifteen");
  EXPECT_EQ(NumberToWords("110"), "One Hundred Ten");
  EXPECT_EQ(NumberToWords("10"), "Ten");
  EXPECT_EQ(NumberToWords("40"), "Forty");
  EXPECT_EQ(NumberToWords("1234.5"), "One Thousand Two Hundred Thirty Four point Five");
  EXPECT_EQ(NumberToWords("$1,000,001"), "One Million One");
  EXPECT_EQ(NumberToWords("2000000000"), "Two Billion");
}

TEST(NumberToWords, HandlesZeroFractionsAndRange) {
  EXPECT_EQ(NumberToWords("0"), "Zero");
  EXPECT_EQ(NumberToWords("0.25"), "point Two Five");
  EXPECT_EQ(NumberToWords("2000000001"), "(Out of Range)");
  EXPECT_EQ(NumberToWords("99999999999"), "(Out of Range)");
  EXPECT_EQ(NumberToWords("-5"), "");
  EXPECT_EQ(NumberToWords("3.05"), "Three point Zero Five");
}

}  // namespace
}  // namespace zelo
