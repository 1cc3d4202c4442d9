#include "expr/real_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "expr/evaluator.h"

namespace zelo {
namespace {

std::string Format(double v) { return FormatReal(v).str(); }

TEST(TextToReal, ReadsTheLeadingRunOfDigitsAndPoints) {
  EXPECT_EQ(TextToReal("12.5"), 12.5);
  EXPECT_EQ(TextToReal("-3.25xyz"), -3.25);
  EXPECT_EQ(TextToReal(".5"), 0.5);
  EXPECT_EQ(TextToReal("5."), 5);
  EXPECT_EQ(TextToReal("1.2.3"), 1.2);  // the conversion stops at the second point
  EXPECT_EQ(TextToReal("2.5 seconds"), 2.5);
}

TEST(TextToReal, AnythingElseInFrontReadsAsZero) {
  EXPECT_EQ(TextToReal(""), 0);
  EXPECT_EQ(TextToReal(" 5"), 0);
  EXPECT_EQ(TextToReal("+5"), 0);
  EXPECT_EQ(TextToReal("abc"), 0);
  EXPECT_EQ(TextToReal("."), 0);
  EXPECT_EQ(TextToReal("-"), 0);
  EXPECT_EQ(TextToReal("--5"), 0);
  EXPECT_EQ(TextToReal("1,234.5"), 1);
  EXPECT_EQ(TextToReal("1e5"), 1);  // no exponent form
}

TEST(TextToReal, LongNumbersKeepTheirMagnitude) {
  EXPECT_EQ(TextToReal("12345678901234567890"), 12345678901234567890.0);
  EXPECT_EQ(TextToReal("0.000000000000000000001234"), 1.234e-21);
  EXPECT_EQ(TextToReal("3.14159265358979323846264338327950288"), 3.141592653589793);
  EXPECT_EQ(TextToReal(std::string(400, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(TextToReal(std::string(1 << 20, '1') + "." + std::string(1 << 20, '1')),
            std::numeric_limits<double>::infinity());
}

TEST(FormatReal, TwentyPlacesWithTrailingZerosRemoved) {
  EXPECT_EQ(Format(0), "0");
  EXPECT_EQ(Format(-0.0), "0");
  EXPECT_EQ(Format(0.5), "0.5");
  EXPECT_EQ(Format(10), "10");
  EXPECT_EQ(Format(-2.25), "-2.25");
  EXPECT_EQ(Format(1.0 / 3), "0.33333333333333331483");
  EXPECT_EQ(Format(2.0 / 3), "0.66666666666666662966");
  EXPECT_EQ(Format(0.05), "0.05");  // 0.05000000000000000278: noise
  EXPECT_EQ(Format(123456789), "123456789");
  EXPECT_EQ(Format(18446744073709551616.0), "18446744073709551616");
  EXPECT_EQ(Format(1e22), "10000000000000000000000");
}

TEST(FormatReal, RunsOfSevenZerosOrNinesAreBinaryNoise) {
  EXPECT_EQ(Format(0.1), "0.1");
  EXPECT_EQ(Format(0.7), "0.7");
  EXPECT_EQ(Format(0.1 + 0.2), "0.3");
  EXPECT_EQ(Format(2.675), "2.675");
  EXPECT_EQ(Format(-0.7), "-0.7");
  EXPECT_EQ(Format(1.00000001), "1");  // a genuine run counts as noise too
  EXPECT_EQ(Format(100.12345678), "100.12345677999999793428");  // six nines are not a run
}

TEST(FormatReal, NinesLeftAfterSevenPlacesAreCarried) {
  EXPECT_EQ(Format(0.99999994), "1");
  EXPECT_EQ(Format(2.99999994), "3");
  EXPECT_EQ(Format(-9.99999996), "-10");
}

TEST(FormatReal, SmallValuesKeepTheirLeadingZeros) {
  EXPECT_EQ(Format(0.0000001), "0.0000001");
  EXPECT_EQ(Format(0.00000001), "0.00000001");
  EXPECT_EQ(Format(1.234e-12), "0.000000000001234");
  EXPECT_EQ(Format(-5e-9), "-0.000000005");
  EXPECT_EQ(Format(1.0000000001e-8), "0.00000001");
  EXPECT_EQ(Format(1e-20), "0.00000000000000000001");
  EXPECT_EQ(Format(4e-21), "0");  // below the 20th place
  EXPECT_EQ(Format(-4e-21), "0");
}

TEST(FormatReal, HugeValuesInExponentFormBeyond63Characters) {
  EXPECT_EQ(Format(1e62), "100000000000000003502199685943161173046080317798311825604870144");  // 63 characters
  EXPECT_EQ(Format(1e63), "1e+63");
  EXPECT_EQ(Format(-1e62), "-1e+62");
  EXPECT_EQ(Format(1e300), "1e+300");
  EXPECT_EQ(Format(std::numeric_limits<double>::max()), "1.7976931348623157e+308");
  EXPECT_LE(Format(-std::numeric_limits<double>::max()).size(), RealText::kMaxLength);
}

TEST(FormatReal, InfinitiesAndUndefinedResults) {
  EXPECT_EQ(Format(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(Format(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN()), "nan");
  EXPECT_EQ(Format(-std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(FormatReal, TextReadsBackAsTheSameNumber) {
  for (double v : {0.5, 1.0 / 3, 123456.789, 9007199254740993.0, 1e40, -7.25, 1e-5})
    EXPECT_EQ(TextToReal(Format(v)), v) << v;
  for (double v : {0.1, 0.7, 2.675}) EXPECT_EQ(Format(TextToReal(Format(v))), Format(v));
}

}  // namespace
}  // namespace zelo
