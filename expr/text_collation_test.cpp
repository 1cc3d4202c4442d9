#include "expr/text_collation.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

int Sign(int r) { return r < 0 ? -1 : (r > 0 ? 1 : 0); }

TEST(PortableCollateText, SymbolsThenDigitsThenLettersAlphabetically) {
  EXPECT_EQ(Sign(PortableCollateText("apple", "Banana", false)), -1);
  EXPECT_EQ(Sign(PortableCollateText("Zebra", "apple", false)), 1);
  EXPECT_EQ(Sign(PortableCollateText("9", "a", false)), -1);
  EXPECT_EQ(Sign(PortableCollateText("#", "0", false)), -1);
  EXPECT_EQ(Sign(PortableCollateText("~", "0", false)), -1);
  EXPECT_EQ(Sign(PortableCollateText("z", "\xE9", false)), -1);
  EXPECT_EQ(Sign(PortableCollateText("ab", "abc", false)), -1);
  EXPECT_EQ(Sign(PortableCollateText("", "", false)), 0);
}

TEST(PortableCollateText, CaseDecidesOnlyBetweenOtherwiseEqualTexts) {
  EXPECT_EQ(Sign(PortableCollateText("abc", "ABC", false)), -1);  // lower case first
  EXPECT_EQ(Sign(PortableCollateText("Abc", "abc", false)), 1);
  EXPECT_EQ(Sign(PortableCollateText("ABd", "abc", false)), 1);  // the letters decide first
  EXPECT_EQ(Sign(PortableCollateText("abc", "ABC", true)), 0);
  EXPECT_EQ(Sign(PortableCollateText("\xC0\x8A", "\xE0\x9A", true)), 0);  // code page 1252 pairs
  EXPECT_NE(Sign(PortableCollateText("\xD7", "\xF7", true)), 0);          // multiplication and division signs
}

TEST(CollateText, UsesTheInstalledCollator) {
  UseTextCollator([](std::string_view, std::string_view, bool ignore_case) { return ignore_case ? 7 : -7; });
  EXPECT_EQ(CollateText("a", "a", true), 7);
  EXPECT_EQ(CollateText("a", "a", false), -7);
  UseTextCollator(nullptr);
  EXPECT_EQ(CollateText("a", "A", true), 0);
}

}  // namespace
}  // namespace zelo
