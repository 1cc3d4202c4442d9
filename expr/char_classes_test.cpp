#include "expr/char_classes.h"

#include <gtest/gtest.h>

#include <string>

namespace zelo {
namespace {

TEST(CharsOnlyFrom, EachClassAcceptsExactlyItsCharacters) {
  const struct {
    CharClass cls;
    const char* members;
  } classes[] = {
      {CharClass::kDigits, "0123456789"},
      {CharClass::kNumeric, "0123456789., +-"},
      {CharClass::kExpression, "0123456789., */+-()^%&|~!=<>"},
      {CharClass::kOperators, "*/+-()^%&|~!=<>"},
  };
  for (const auto& c : classes) {
    const std::string members = c.members;
    EXPECT_EQ(CharClassMembers(c.cls), members);
    EXPECT_TRUE(CharsOnlyFrom(members, c.cls));
    for (int ch = 0; ch < 256; ++ch) {
      const std::string one(1, static_cast<char>(ch));
      EXPECT_EQ(CharsOnlyFrom(one, c.cls), members.find(static_cast<char>(ch)) != std::string::npos)
          << "class " << static_cast<int>(c.cls) << " character " << ch;
    }
  }
}

TEST(CharsOnlyFrom, EmptyTextIsTrueAndOneStrangerMakesItFalse) {
  EXPECT_TRUE(CharsOnlyFrom("", CharClass::kDigits));
  EXPECT_TRUE(CharsOnlyFrom("1,234.50", CharClass::kNumeric));
  EXPECT_TRUE(CharsOnlyFrom("- 12", CharClass::kNumeric));
  EXPECT_FALSE(CharsOnlyFrom("12a", CharClass::kNumeric));
  EXPECT_FALSE(CharsOnlyFrom("1\t2", CharClass::kNumeric));
  EXPECT_TRUE(CharsOnlyFrom("(1+2)*3", CharClass::kExpression));
  EXPECT_FALSE(CharsOnlyFrom("1+2", CharClass::kOperators));
  EXPECT_FALSE(CharsOnlyFrom(std::string_view("1\0" "2", 3), CharClass::kDigits));
}

TEST(CharsOnlyFrom, UnknownClassHoldsNothing) {
  EXPECT_FALSE(CharsOnlyFrom("1", static_cast<CharClass>(0)));
  EXPECT_FALSE(CharsOnlyFrom("1", static_cast<CharClass>(9)));
  EXPECT_TRUE(CharsOnlyFrom("", static_cast<CharClass>(9)));
  EXPECT_EQ(CharClassMembers(static_cast<CharClass>(9)), "");
}

}  // namespace
}  // namespace zelo
