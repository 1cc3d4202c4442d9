#include "expr/condition.h"

#include <gtest/gtest.h>

#include <string>

#include "expr/text_collation.h"

namespace zelo {
namespace {

TEST(EvaluateCondition, ALoneValueIsTrueUnlessEmptyOrZero) {
  EXPECT_FALSE(EvaluateCondition(""));
  EXPECT_FALSE(EvaluateCondition("0"));
  EXPECT_TRUE(EvaluateCondition("5"));
  EXPECT_TRUE(EvaluateCondition("abc"));
  EXPECT_TRUE(EvaluateCondition(" 0"));   // not exactly "0"
  EXPECT_TRUE(EvaluateCondition("0.0"));
  EXPECT_TRUE(EvaluateCondition("a!b"));  // "!" alone is no operator
}

TEST(EvaluateCondition, EqualsComparesTheTextsExactly) {
  EXPECT_TRUE(EvaluateCondition("abc = abc"));
  EXPECT_FALSE(EvaluateCondition("abc = ABC"));
  EXPECT_TRUE(EvaluateCondition("abc == abc"));
  EXPECT_TRUE(EvaluateCondition("5=5"));
  EXPECT_FALSE(EvaluateCondition("5.0 = 5"));  // numbers too are compared as texts
  EXPECT_TRUE(EvaluateCondition("="));         // two empty sides
  EXPECT_TRUE(EvaluateCondition("a   =   a"));
  EXPECT_FALSE(EvaluateCondition(" a = a"));   // the left side keeps its leading blanks
  EXPECT_FALSE(EvaluateCondition("a = a "));   // the right side keeps its trailing blanks
  EXPECT_TRUE(EvaluateCondition("inf = inf"));
}

TEST(EvaluateCondition, OrderingOperatorsOnNumbers) {
  EXPECT_TRUE(EvaluateCondition("10 > 9"));  // by value, not as texts
  EXPECT_FALSE(EvaluateCondition("9 > 10"));
  EXPECT_TRUE(EvaluateCondition("10 >= 10"));
  EXPECT_TRUE(EvaluateCondition("9 < 10"));
  EXPECT_TRUE(EvaluateCondition("10 <= 10.0"));
  EXPECT_FALSE(EvaluateCondition("10.5 <= 10"));
  EXPECT_TRUE(EvaluateCondition("-3 < 2"));
  EXPECT_TRUE(EvaluateCondition(".5 > 0.25"));
  EXPECT_TRUE(EvaluateCondition("> -1"));  // an empty side is the number 0
  EXPECT_TRUE(EvaluateCondition(" 5 > 3"));  // leading blanks do not make a number 0
  EXPECT_TRUE(EvaluateCondition("1,500 < 2"));  // a comma ends the number: 1
}

TEST(EvaluateCondition, OrderingOperatorsOnTexts) {
  EXPECT_FALSE(EvaluateCondition("10 > 9a"));  // compared as texts
  EXPECT_TRUE(EvaluateCondition("9a > 10"));
  EXPECT_TRUE(EvaluateCondition("apple < banana"));
  EXPECT_TRUE(EvaluateCondition("apple < Banana"));  // letters alphabetically, not by code
  EXPECT_TRUE(EvaluateCondition("abc >= abc"));
  EXPECT_TRUE(EvaluateCondition("abc <= abc"));
  EXPECT_FALSE(EvaluateCondition("abc > abc"));
  EXPECT_TRUE(EvaluateCondition("abc < abcd"));
}

TEST(EvaluateCondition, NotEqualIgnoresCaseForTexts) {
  EXPECT_FALSE(EvaluateCondition("abc != ABC"));
  EXPECT_TRUE(EvaluateCondition("abc != abd"));
  EXPECT_FALSE(EvaluateCondition("abc <> Abc"));
  EXPECT_TRUE(EvaluateCondition("abc >< xyz"));
  EXPECT_FALSE(EvaluateCondition("5.0 != 5"));  // numbers by value
  EXPECT_TRUE(EvaluateCondition("5 <> 6"));
  EXPECT_FALSE(EvaluateCondition("\xC9t\xE9 != \xE9T\xC9"));  // code page 1252 letters
}

TEST(EvaluateCondition, OtherOperatorRunsAreNeverTrue) {
  EXPECT_FALSE(EvaluateCondition("5 => 3"));
  EXPECT_FALSE(EvaluateCondition("3 =< 5"));
  EXPECT_FALSE(EvaluateCondition("a === a"));
  EXPECT_FALSE(EvaluateCondition("a !== b"));
  EXPECT_FALSE(EvaluateCondition("1 <<<<<<<<<<<< 2"));
}

TEST(EvaluateCondition, TheFirstOperatorSplitsTheText) {
  EXPECT_FALSE(EvaluateCondition("a = b = c"));  // "a" against "b = c"
  EXPECT_FALSE(EvaluateCondition("x = = y"));  // the right side is "= y"
  EXPECT_FALSE(EvaluateCondition("a=!a"));     // a "!" before "a" belongs to the right side
  EXPECT_TRUE(EvaluateCondition("1 < 2 < 0"));   // "1" against the text "2 < 0"
  EXPECT_FALSE(EvaluateCondition("3 < 2 < 9"));
}

TEST(EvaluateCondition, UsesTheInstalledCollationForTexts) {
  UseTextCollator([](std::string_view a, std::string_view b, bool) { return a.compare(b) < 0 ? 1 : (a == b ? 0 : -1); });
  EXPECT_TRUE(EvaluateCondition("b < a"));
  UseTextCollator(nullptr);
  EXPECT_FALSE(EvaluateCondition("b < a"));
}

TEST(EvaluateCondition, MegabyteTextsAreDecided) {
  const std::string big(1 << 20, 'x');
  EXPECT_TRUE(EvaluateCondition(big));
  EXPECT_TRUE(EvaluateCondition(big + " = " + big));
  EXPECT_FALSE(EvaluateCondition(std::string(1 << 20, '=')));
  EXPECT_TRUE(EvaluateCondition(std::string(1 << 20, '9') + " > 1"));
}

}  // namespace
}  // namespace zelo
