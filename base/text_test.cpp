#include "base/text.h"

#include <gtest/gtest.h>

#include "base/fixed_text.h"

namespace zelo {

TEST(TextToInt, ReadsDigitsAndMinusSignsFromTheWholeText) {
  EXPECT_EQ(TextToInt("1,234"), 1234);
  EXPECT_EQ(TextToInt("abc12"), 12);
  EXPECT_EQ(TextToInt("1.5"), 15);
  EXPECT_EQ(TextToInt("12-3"), 12);
  EXPECT_EQ(TextToInt(""), 0);
  EXPECT_EQ(TextToInt("-42"), -42);
  EXPECT_EQ(TextToInt("--5"), 0);
}

TEST(TextToInt, ReadsHexadecimalAfter0xAndADigit) {
  EXPECT_EQ(TextToInt("0x1002"), 0x1002);
  EXPECT_EQ(TextToInt("0X1f"), 0x1f);
  EXPECT_EQ(TextToInt("0x1 0\r\n0"), 0x100);
  EXPECT_EQ(TextToInt("0xff"), 0);  // no digit after 0x: read as decimal digits "0"
  EXPECT_EQ(TextToInt("0xFFFFFFFF"), 0);
  EXPECT_EQ(TextToInt("0x0FFFFFFFF"), -1);
}

TEST(TextToInt, UsesOnlyTheFirst31CollectedCharacters) {
  std::string many(100, '1');
  EXPECT_EQ(TextToInt(many), TextToInt(std::string(31, '1')));
}

TEST(FindNoCase, IgnoresAsciiCase) {
  EXPECT_EQ(FindNoCase("Start Hidden", "hidden"), 6u);
  EXPECT_TRUE(ContainsNoCase("Wait For Exit", "WAIT"));
  EXPECT_FALSE(ContainsNoCase("abc", "abcd"));
  EXPECT_EQ(FindNoCase("abab", "ab", 1), 2u);
}

TEST(FindNoCase, AgreesWithAPlainSearchOnMixedTexts) {
  // Needles with and without letters, case-free anchors in any place.
  auto plain = [](std::string_view hay, std::string_view needle, std::size_t from) {
    for (std::size_t i = from; i + needle.size() <= hay.size(); ++i)
      if (EqualsNoCase(hay.substr(i, needle.size()), needle)) return i;
    return std::string_view::npos;
  };
  const char alphabet[] = "aAbB%_(1 \xFF";
  uint32_t seed = 7;
  auto next = [&] {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7FFF;
  };
  for (int round = 0; round < 20000; ++round) {
    std::string hay(next() % 24, ' '), needle(1 + next() % 4, ' ');
    for (char& c : hay) c = alphabet[next() % (sizeof alphabet - 1)];
    for (char& c : needle) c = alphabet[next() % (sizeof alphabet - 1)];
    const std::size_t from = next() % 26;
    ASSERT_EQ(FindNoCase(hay, needle, from), plain(hay, needle, from)) << hay << " / " << needle << " / " << from;
  }
  EXPECT_EQ(FindNoCase("xx%WINDOW_x", "%window_"), 2u);
  EXPECT_EQ(FindNoCase("Length  (a)", "LENGTH  ("), 0u);
  EXPECT_EQ(FindNoCase("abc", "c", 5), std::string_view::npos);
}

TEST(FixedText, KeepsAtMostItsLimitAndStopsAtNul) {
  FixedText<4> t("abcdef");
  EXPECT_EQ(t, "abc");
  t.assign(std::string_view("a\0b", 3));
  EXPECT_EQ(t.size(), 1u);
  t.assign("abcdef", 2);
  EXPECT_EQ(t, "ab");
}

TEST(TrimBlanks, RemovesSpacesAndTabsAtBothEnds) { EXPECT_EQ(TrimBlanks(" \tStart \t"), "Start"); }

}  // namespace zelo

namespace zelo {

TEST(FixedText, AssignsAViewOfItself) {
  FixedText<64> t("  Start  ");
  t = TrimBlanks(t.view());
  EXPECT_EQ(t, "Start");
  t = t.view().substr(1);
  EXPECT_EQ(t, "tart");
}

}  // namespace zelo

namespace zelo {

namespace {
std::size_t NaiveFindNoCase(std::string_view hay, std::string_view needle, std::size_t from) {
  for (std::size_t i = from; i + needle.size() <= hay.size(); ++i)
    if (EqualsNoCase(hay.substr(i, needle.size()), needle)) return i;
  return std::string_view::npos;
}
}  // namespace

TEST(FindNoCase, AgreesWithAPlainSearchEverywhere) {
  const std::string hay = "<Step><ACTION>Zap</action>zZ<step>< <stEP>\r\n</STEP>xyzzy<zelo<Zeloplan";
  const char* const needles[] = {"<step>", "</step>", "<zeloplan", "zz", "Z", "<", "p>", "<action", "xyz", "q", ">\r\n<"};
  for (const char* n : needles)
    for (std::size_t from = 0; from <= hay.size() + 1; ++from)
      EXPECT_EQ(FindNoCase(hay, n, from), NaiveFindNoCase(hay, n, from)) << n << " from " << from;
}

}  // namespace zelo
