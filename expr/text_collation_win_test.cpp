#include "expr/text_collation_win.h"

#include <gtest/gtest.h>

#include "expr/condition.h"
#include "expr/text_collation.h"

namespace zelo {
namespace {

TEST(SystemCollateText, OrdersWordsAsTheLocaleDoes) {
  EXPECT_LT(SystemCollateText("apple", "Banana", false), 0);
  EXPECT_GT(SystemCollateText("banana", "apple", false), 0);
  EXPECT_EQ(SystemCollateText("abc", "abc", false), 0);
  EXPECT_NE(SystemCollateText("abc", "ABC", false), 0);
  EXPECT_EQ(SystemCollateText("abc", "ABC", true), 0);
  EXPECT_LT(SystemCollateText("ab", "abc", false), 0);
}

TEST(SystemCollateText, ServesConditionsOnceInstalled) {
  UseTextCollator(&SystemCollateText);
  EXPECT_TRUE(EvaluateCondition("apple < Banana"));
  EXPECT_FALSE(EvaluateCondition("abc != ABC"));
  EXPECT_FALSE(EvaluateCondition("10 > 9a"));
  UseTextCollator(nullptr);
}

}  // namespace
}  // namespace zelo
