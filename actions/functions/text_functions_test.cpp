#include "actions/functions/text_functions.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(TrimRepeats, RemovesEveryRepetitionFromTheChosenEndIgnoringCase) {
  EXPECT_EQ(TrimRepeats("  ab  ", " ", false), "  ab");
  EXPECT_EQ(TrimRepeats("  ab  ", " ", true), "ab  ");
  EXPECT_EQ(TrimRepeats("xXxXab", "xx", true), "ab");
  EXPECT_EQ(TrimRepeats("abXYxy", "xy", false), "ab");
  EXPECT_EQ(TrimRepeats("abab", "AB", true), "");
  EXPECT_EQ(TrimRepeats("abc", "", true), "abc");
  EXPECT_EQ(TrimRepeats("aaa", "aa", false), "a");
}

TEST(ReplaceText, HonoursCaseAndFirstOnly) {
  EXPECT_EQ(ReplaceText("AaA", "a", "b", false, false), "bbb");
  EXPECT_EQ(ReplaceText("AaA", "a", "b", true, false), "AbA");
  EXPECT_EQ(ReplaceText("AaA", "a", "b", false, true), "baA");
}

TEST(ReplaceText, SearchesOnAfterTheInsertedTextAndGrows) {
  EXPECT_EQ(ReplaceText("aa", "a", "aa", true, false), "aaaa");
  EXPECT_EQ(ReplaceText("abc", "", "x", true, false), "abc");
  const std::string long_text(300, 'a');
  EXPECT_EQ(ReplaceText(long_text, "a", "bc", true, false).size(), 600u);
}

TEST(InsertText, InsertsBeforeThePositionAndPadsBeyondTheEnd) {
  EXPECT_EQ(InsertText("abc", 5, "X"), "abc X");
  EXPECT_EQ(InsertText("abc", 2, "X"), "aXbc");
  EXPECT_EQ(InsertText("abc", 0, "X"), "Xabc");
  EXPECT_EQ(InsertText("abc", -4, "X"), "Xabc");
  EXPECT_EQ(InsertText("abc", 4, "X"), "abcX");
}

TEST(SubText, CutsAtTheDelimiter) {
  EXPECT_EQ(SubText("a,b,c", ",", 2, false, false), "b");
  EXPECT_EQ(SubText("a,b,c", ",", 0, false, false), "a");
  EXPECT_EQ(SubText("a,b,c", ",", 4, false, false), "");
  EXPECT_EQ(SubText("a,b,", ",", 3, false, false), "");
  EXPECT_EQ(SubText("aXbxc", "x", 2, false, false), "b");
  EXPECT_EQ(SubText("aXbxc", "x", 2, true, false), "c");
  EXPECT_EQ(SubText("a--b--c", "--", 3, false, false), "c");
}

TEST(SubText, QuotesKeepDelimitersInsideAnItemOnlyWhenAllowed) {
  const std::string text = "aaa,\"bb,bb\",ccc";
  EXPECT_EQ(SubText(text, ",", 2, false, false), "\"bb");
  EXPECT_EQ(SubText(text, ",", 2, false, true), "\"bb,bb\"");
  EXPECT_EQ(SubText(text, ",", 3, false, true), "ccc");
  EXPECT_EQ(SubText("'x,y',z", ",", 1, false, true), "'x,y'");
}

TEST(SubText, DoubledQuotesComeOutSingleAndNeverOpenAQuote) {
  EXPECT_EQ(SubText("a\"\"b,c", ",", 1, false, true), "a\"b");
  EXPECT_EQ(SubText("a\"\"b,c", ",", 2, false, true), "c");
  EXPECT_EQ(SubText("\"it''s,here\",x", ",", 1, false, true), "\"it's,here\"");
  // A quote of the other kind inside an open quote does not close it.
  EXPECT_EQ(SubText("\"a',b\",c", ",", 2, false, true), "c");
}

TEST(CountOccurrences, CountsSeparatorsNotItems) {
  EXPECT_EQ(CountOccurrences("a,b,c", ","), 2u);
  EXPECT_EQ(CountOccurrences("aAaA", "aa"), 2u);
  EXPECT_EQ(CountOccurrences("aaa", "aa"), 1u);
  EXPECT_EQ(CountOccurrences("abc", ""), 0u);
}

TEST(FindFrom, GivesTheRestFromTheFirstOccurrence) {
  EXPECT_EQ(FindFrom("Hello World", "wor", false), "World");
  EXPECT_EQ(FindFrom("Hello World", "wor", true), "Hello World");
  EXPECT_EQ(FindFrom("Hello", "", false), "Hello");
}

TEST(PadText, AppendsUntilTheLengthIsReachedExactly) {
  EXPECT_EQ(PadText("7", 3, "0"), "700");
  EXPECT_EQ(PadText("ab", 7, "xyz"), "abxyzxy");
  EXPECT_EQ(PadText("abcd", 3, "0"), "abcd");
  EXPECT_EQ(PadText("ab", 10, ""), "ab");  // nothing to pad with: would never end
}

TEST(MidLeftRight, ClampToTheText) {
  EXPECT_EQ(MidText("abcdef", 3, 2), "bcd");
  EXPECT_EQ(MidText("abcdef", 30, 4), "def");
  EXPECT_EQ(MidText("abcdef", 2, 0), "ab");
  EXPECT_EQ(MidText("abcdef", 2, 7), "");
  EXPECT_EQ(MidText("abcdef", -1, 2), "");
  EXPECT_EQ(RightText("abcdef", 2), "ef");
  EXPECT_EQ(RightText("abcdef", 20), "abcdef");
  EXPECT_EQ(RightText("abcdef", -2), "");
  EXPECT_EQ(LeftText("abcdef", 2), "ab");
  EXPECT_EQ(LeftText("abcdef", 99), "abcdef");
  EXPECT_EQ(LeftText("abcdef", -1), "");
}

TEST(XorCipher, IsItsOwnInverseAndNeverWritesNul) {
  const std::string key = "Key!";
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string once = XorCipher(all, key);
  EXPECT_EQ(once.find('\0'), std::string::npos);
  EXPECT_EQ(XorCipher(once, key), all);
  EXPECT_NE(once, all);
}

TEST(XorCipher, SwapsTheKeyByteAnd127) {
  EXPECT_EQ(XorCipher("A", "A"), "\x7f");
  EXPECT_EQ(XorCipher("\x7f", "A"), "A");
  EXPECT_EQ(XorCipher("\x03", "A"), "B");
  EXPECT_EQ(XorCipher("abc", ""), "abc");
  EXPECT_EQ(XorCipher("", "k"), "");
}

TEST(CaseChange, TouchesOnlyAsciiLetters) {
  EXPECT_EQ(AsciiUpper("abz-\xe4"), "ABZ-\xe4");
  EXPECT_EQ(AsciiLowerText("ABZ-\xc4"), "abz-\xc4");
}

}  // namespace
}  // namespace zelo
