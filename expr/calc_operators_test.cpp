#include "expr/calc_operators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zelo {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CalcPrecedence, FollowsTheOperatorTable) {
  EXPECT_EQ(CalcPrecedence('^'), 5);
  for (char op : {'*', '/', '%'}) EXPECT_EQ(CalcPrecedence(op), 4) << op;
  for (char op : {'+', '-'}) EXPECT_EQ(CalcPrecedence(op), 3) << op;
  for (char op : {'&', '|', '~', '!'}) EXPECT_EQ(CalcPrecedence(op), 2) << op;
  for (char op : {'<', '=', '>'}) EXPECT_EQ(CalcPrecedence(op), 1) << op;
  EXPECT_GT(CalcPrecedence(kCalcNegate), CalcPrecedence('^'));
  for (char op : {'(', ')', '.', 'a', ',', '\0'}) {
    EXPECT_EQ(CalcPrecedence(op), 0) << op;
    EXPECT_FALSE(IsCalcOperator(op)) << op;
  }
  EXPECT_FALSE(IsCalcOperator(kCalcNegate));
}

TEST(ApplyCalcOperator, PowersByWholeNumbersAreCorrectlyRounded) {
  // Exact results where the platform's pow is a unit off in the last place.
  EXPECT_EQ(ApplyCalcOperator('^', 10, -2), 0.01);
  EXPECT_EQ(ApplyCalcOperator('^', 10, -9), 1e-9);
  EXPECT_EQ(ApplyCalcOperator('^', 10, 22), 1e22);
  EXPECT_EQ(ApplyCalcOperator('^', 10, 300), 1e300);
  EXPECT_EQ(ApplyCalcOperator('^', 10, -300), 1e-300);
  EXPECT_EQ(ApplyCalcOperator('^', 3, 34), 16677181699666569.0);
  EXPECT_EQ(ApplyCalcOperator('^', -20, 23), -8.388608e29);
  EXPECT_EQ(ApplyCalcOperator('^', 1.5, 7), 17.0859375);
  EXPECT_EQ(ApplyCalcOperator('^', -2, 3), -8);
  EXPECT_EQ(ApplyCalcOperator('^', 2, 0), 1);
  EXPECT_EQ(ApplyCalcOperator('^', 0, 0), 1);
  EXPECT_EQ(ApplyCalcOperator('^', 2, 1023), std::ldexp(1.0, 1023));
  EXPECT_EQ(ApplyCalcOperator('^', 2, -1022), std::ldexp(1.0, -1022));
}

TEST(ApplyCalcOperator, PowersThatLeaveTheRangeOfReals) {
  EXPECT_EQ(ApplyCalcOperator('^', 2, 99999), kInf);
  EXPECT_EQ(ApplyCalcOperator('^', -2, 99999), -kInf);
  EXPECT_EQ(ApplyCalcOperator('^', 0.5, 99999), 0);
  EXPECT_EQ(ApplyCalcOperator('^', -1, 1e10), 1);
  EXPECT_EQ(ApplyCalcOperator('^', 0, -1), kInf);
  EXPECT_TRUE(std::isnan(ApplyCalcOperator('^', -8, 1.0 / 3)));
  EXPECT_EQ(ApplyCalcOperator('^', kInf, 2), kInf);
  EXPECT_EQ(ApplyCalcOperator('^', 2, 0.5), std::sqrt(2.0));
}

TEST(ApplyCalcOperator, DivisionAndRemainderByZero) {
  EXPECT_EQ(ApplyCalcOperator('/', 1, 0), kInf);
  EXPECT_EQ(ApplyCalcOperator('/', -1, 0), -kInf);
  EXPECT_EQ(ApplyCalcOperator('/', 1, -0.0), -kInf);
  EXPECT_TRUE(std::isnan(ApplyCalcOperator('/', 0, 0)));
  EXPECT_TRUE(std::isnan(ApplyCalcOperator('%', 5, 0)));
  EXPECT_TRUE(std::isnan(ApplyCalcOperator('%', kInf, 2)));
  EXPECT_EQ(ApplyCalcOperator('%', 5, kInf), 5);
  EXPECT_EQ(ApplyCalcOperator('*', 1e308, 10), kInf);
}

TEST(ApplyCalcOperator, BitwiseOnSigned32BitIntegers) {
  EXPECT_EQ(ApplyCalcOperator('&', -1, 0xFF), 255);
  EXPECT_EQ(ApplyCalcOperator('|', 2147483648.0, 0), -2147483648.0);
  EXPECT_EQ(ApplyCalcOperator('~', 1e20, 0), static_cast<int32_t>(static_cast<uint32_t>(std::fmod(1e20, 4294967296.0))));
  EXPECT_EQ(ApplyCalcOperator('&', -1.9, 7), 7);  // -1.9 truncates to -1
  EXPECT_EQ(ApplyCalcOperator('|', std::nan(""), 3), 3);
  EXPECT_EQ(ApplyCalcOperator('!', 12345, -1), 0);
}

TEST(ApplyCalcOperator, ComparisonsGiveOneOrZero) {
  EXPECT_EQ(ApplyCalcOperator('<', 1, 2), 1);
  EXPECT_EQ(ApplyCalcOperator('>', 1, 2), 0);
  EXPECT_EQ(ApplyCalcOperator('=', 0.0, -0.0), 1);
  EXPECT_EQ(ApplyCalcOperator('=', std::nan(""), std::nan("")), 0);
  EXPECT_EQ(ApplyCalcOperator('<', -kInf, kInf), 1);
}

}  // namespace
}  // namespace zelo
