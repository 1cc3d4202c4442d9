#include "expr/evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zelo {
namespace {

// The result text of an expression.
std::string Calc(std::string_view expression) {
  RealText text("stale");
  EvaluateCalc(expression, &text);
  return text.str();
}

double Value(std::string_view expression) { return EvaluateCalc(expression, nullptr); }

TEST(EvaluateCalc, PrecedenceFromPowerDownToComparisons) {
  EXPECT_EQ(Calc("2+3*4"), "14");
  EXPECT_EQ(Calc("(2+3)*4"), "20");
  EXPECT_EQ(Calc("2*3^2"), "18");
  EXPECT_EQ(Calc("1+6&3"), "3");   // (1+6)&3
  EXPECT_EQ(Calc("6&3+1"), "4");   // 6&(3+1)
  EXPECT_EQ(Calc("1+2>2"), "1");   // (1+2)>2
  EXPECT_EQ(Calc("6|1>2"), "1");   // (6|1)>2
  EXPECT_EQ(Calc("8/2*4"), "16");  // same level, left to right
  EXPECT_EQ(Calc("10-4+3"), "9");
  EXPECT_EQ(Calc("7%3*2"), "2");
}

TEST(EvaluateCalc, EveryOperatorIsLeftAssociativePowerIncluded) {
  EXPECT_EQ(Calc("2^3^2"), "64");
  EXPECT_EQ(Calc("100/10/5"), "2");
  EXPECT_EQ(Calc("10-3-2"), "5");
  EXPECT_EQ(Calc("17%7%2"), "1");
  EXPECT_EQ(Calc("5>3>0"), "1");  // (5>3)>0
  EXPECT_EQ(Calc("3=3=1"), "1");
}

TEST(EvaluateCalc, EachOperatorComputesItsResult) {
  EXPECT_EQ(Calc("7%3"), "1");
  EXPECT_EQ(Calc("-7%3"), "-1");  // sign of the dividend
  EXPECT_EQ(Calc("7.5%2"), "1.5");
  EXPECT_EQ(Calc("10/4"), "2.5");
  EXPECT_EQ(Calc("2.5*4"), "10");
  EXPECT_EQ(Calc("2^0.5"), "1.41421356237309514547");
  EXPECT_EQ(Calc("6&3"), "2");
  EXPECT_EQ(Calc("6|3"), "7");
  EXPECT_EQ(Calc("6~3"), "5");
  EXPECT_EQ(Calc("99!5"), "-6");  // complement of the right operand
  EXPECT_EQ(Calc("5>3"), "1");
  EXPECT_EQ(Calc("3>5"), "0");
  EXPECT_EQ(Calc("3<5"), "1");
  EXPECT_EQ(Calc("2=2"), "1");
  EXPECT_EQ(Calc("2=3"), "0");
}

TEST(EvaluateCalc, BitwiseOperandsAreTruncatedTo32Bits) {
  EXPECT_EQ(Calc("6.9&3.9"), "2");
  EXPECT_EQ(Calc("4294967295|0"), "-1");  // modulo 2^32, signed
  EXPECT_EQ(Calc("4294967296|5"), "5");
  EXPECT_EQ(Calc("0-1&255"), "255");
  EXPECT_EQ(Calc("0!0"), "-1");
  EXPECT_EQ(Calc("(1/0)|6"), "6");  // an infinity counts as 0
}

TEST(EvaluateCalc, MinusWhereAnOperandIsDueIsASign) {
  EXPECT_EQ(Calc("-5+2"), "-3");
  EXPECT_EQ(Calc("3*-2"), "-6");
  EXPECT_EQ(Calc("1+2+-3"), "0");
  EXPECT_EQ(Calc("1*2+-3"), "-1");
  EXPECT_EQ(Calc("1--1"), "2");
  EXPECT_EQ(Calc("2^-1"), "0.5");
  EXPECT_EQ(Calc("(-4)*2"), "-8");
  EXPECT_EQ(Calc("-(2+3)"), "-5");
  EXPECT_EQ(Calc("2*-(1+2)"), "-6");
  EXPECT_EQ(Calc("-(1)+5"), "4");
  EXPECT_EQ(Calc("--5"), "5");
  EXPECT_EQ(Calc("2*-.5"), "-1");
  EXPECT_EQ(Calc("-2^2"), "4");  // the sign belongs to the number
  EXPECT_EQ(Calc("- 5"), "-5");  // blanks are gone before parsing
}

TEST(EvaluateCalc, MinusWithoutOperandsNegatesOncePerMinus) {
  EXPECT_EQ(Calc("5-"), "-5");
  EXPECT_EQ(Calc("5--"), "5");
  EXPECT_EQ(Calc("-"), "0");
}

TEST(EvaluateCalc, UnbalancedParentheses) {
  EXPECT_EQ(Calc("1+(2"), "Bad Operator: (");
  EXPECT_EQ(Value("1+(2"), 0);
  EXPECT_EQ(Calc("(1+2"), "3");
  EXPECT_EQ(Calc("((1+2)*3"), "9");
  EXPECT_EQ(Calc("1+2)*3"), "9");  // a stray ")" closes what is open
  EXPECT_EQ(Calc("2)"), "2");
  EXPECT_EQ(Calc("()"), "0");
  EXPECT_EQ(Calc("((((7))))"), "7");
}

TEST(EvaluateCalc, BlanksAndTheWordCalcAreRemovedFirst) {
  EXPECT_EQ(Calc("CALC(1+1)"), "2");
  EXPECT_EQ(Calc("calc ( 1 + 1 )"), "2");
  EXPECT_EQ(Calc(" 1 000 \t+\r\n1"), "1001");
  EXPECT_EQ(Calc("1CALC2"), "12");
  EXPECT_EQ(Calc("1cAlC2calc3"), "12");  // only the first word goes; later letters just end the number
  EXPECT_EQ(Calc("C a L c 4"), "4");
  EXPECT_EQ(Calc("ccalc5"), "5");
}

TEST(EvaluateCalc, OtherCharactersAreSkipped) {
  EXPECT_EQ(Calc("abc"), "0");
  EXPECT_EQ(Calc("$12+x3"), "15");
  EXPECT_EQ(Calc("1,5"), "1");  // two numbers; the first is the value
  EXPECT_EQ(Calc("1a2"), "1");
  EXPECT_EQ(Calc("-a5"), "-5");
  EXPECT_EQ(Calc("1<=2"), "1");  // "<" then "=": the run is not one operator
}

TEST(EvaluateCalc, EmptyExpressionGivesZeroAndNoText) {
  EXPECT_EQ(Calc(""), "");
  EXPECT_EQ(Calc(" \t\r\n"), "");
  EXPECT_EQ(Calc("CALC"), "");
  EXPECT_EQ(Value(""), 0);
}

TEST(EvaluateCalc, NumbersReadWithTheRealRules) {
  EXPECT_EQ(Calc(".5+.5"), "1");
  EXPECT_EQ(Calc("1.2.3"), "1.2");
  EXPECT_EQ(Calc("."), "0");
  EXPECT_EQ(Calc("0.1+0.2"), "0.3");
  EXPECT_EQ(Calc("1/3"), "0.33333333333333331483");
  EXPECT_EQ(Calc("123456789012345678901234567890"), "123456789012345677877719597056");
}

TEST(EvaluateCalc, DivisionByZeroAndOverflowGiveInfinityOrNan) {
  EXPECT_EQ(Calc("1/0"), "inf");
  EXPECT_EQ(Calc("-1/0"), "-inf");
  EXPECT_TRUE(std::isinf(Value("1/0")));
  EXPECT_EQ(Calc("0/0"), "nan");
  EXPECT_EQ(Calc("5%0"), "nan");
  EXPECT_EQ(Calc("(1/0)-(1/0)"), "nan");
  EXPECT_EQ(Calc("2^99999"), "inf");
  EXPECT_EQ(Calc("-2^99999"), "-inf");
  EXPECT_EQ(Calc("(0-2)^0.5"), "nan");
  EXPECT_EQ(Calc("1" + std::string(308, '0') + "*10"), "inf");
  EXPECT_EQ(Calc("1/0>5"), "1");
  EXPECT_EQ(Calc("(0/0)=(0/0)"), "0");
  EXPECT_EQ(Calc("10^300"), "1e+300");
}

TEST(EvaluateCalc, QueueReachingItsCapacityGivesZeroAndNoText) {
  // n ones joined by "+" need 2n-1 queue entries.
  auto sum = [](int n) {
    std::string e = "1";
    for (int i = 1; i < n; ++i) e += "+1";
    return e;
  };
  EXPECT_EQ(Calc(sum(120)), "120");  // 239 entries
  EXPECT_EQ(Calc(sum(121)), "");
  EXPECT_EQ(Value(sum(121)), 0);
  EXPECT_EQ(Calc(sum(120) + "+"), "");  // exactly 240 entries
  EXPECT_EQ(Calc(sum(241)), "");
  EXPECT_EQ(Calc(sum(5000)), "");
}

TEST(EvaluateCalc, OperatorStackOverflowGivesZeroAndNoText) {
  const std::size_t cap = kCalcOperatorStackCapacity;
  EXPECT_EQ(Calc(std::string(cap, '(') + "5" + std::string(cap, ')')), "5");
  EXPECT_EQ(Calc(std::string(cap + 1, '(') + "5" + std::string(cap + 1, ')')), "");
  EXPECT_EQ(Calc(std::string(100000, '(')), "");
  EXPECT_EQ(Calc("1" + std::string(300, '-') + "1"), "");  // signs pile up too
}

TEST(EvaluateCalc, MegabyteInputsEndWithDefinedResults) {
  const std::size_t mb = 1 << 20;
  EXPECT_EQ(Calc(std::string(mb, ' ')), "");
  EXPECT_EQ(Calc(std::string(mb, 'x')), "0");
  EXPECT_EQ(Calc(std::string(mb, '9')), "inf");
  EXPECT_EQ(Calc("0." + std::string(mb, '0') + "1"), "0");
  EXPECT_EQ(Calc(std::string(mb, '.')), "0");
  EXPECT_EQ(Calc(std::string(mb, '+')), "");
  EXPECT_EQ(Calc(std::string(mb, ')')), "0");
  std::string blanks_around(mb, ' ');
  blanks_around[mb / 2] = '7';
  EXPECT_EQ(Calc(blanks_around), "7");
}

}  // namespace
}  // namespace zelo
