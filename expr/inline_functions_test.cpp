#include "expr/inline_functions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "expr/testing/expansion_fixture.h"

namespace zelo {
namespace {

using ::testing::ElementsAre;
using InlineFunctionsTest = ExpansionTest;

TEST(InlineArguments, SeparatorsQuotesAndBlanks) {
  EXPECT_THAT(ParseInlineArguments("a, b ,  c  "), ElementsAre("a", "b ", "c"));
  EXPECT_THAT(ParseInlineArguments("\t'x, y' , \"z\""), ElementsAre("x, y", "z"));
  // A quoted argument ends at the next quote of either kind; what follows it
  // is dropped, and here its stray quote hides the comma.
  EXPECT_THAT(ParseInlineArguments("'it\"s' tail, b"), ElementsAre("it"));
  EXPECT_THAT(ParseInlineArguments("'a' tail, b"), ElementsAre("a", "b"));
  // An unquoted argument runs to the next comma outside quotes.
  EXPECT_THAT(ParseInlineArguments("a'b,c'd, e"), ElementsAre("a'b,c'd", "e"));
  EXPECT_THAT(ParseInlineArguments(""), ElementsAre(""));
  EXPECT_THAT(ParseInlineArguments("a,,"), ElementsAre("a", "", ""));
  EXPECT_THAT(ParseInlineArguments("1,2,3,4,5"), ElementsAre("1", "2", "3", "4"));
  EXPECT_THAT(ParseInlineArguments("'unclosed, still"), ElementsAre("unclosed, still"));
}

TEST(InlineFunctions, EachFunction) {
  EXPECT_EQ(EvaluateInlineFunction("Uppercase", {"abc-\xE9z"}), "ABC-\xE9Z");
  EXPECT_EQ(EvaluateInlineFunction("lowercase", {"ABC-Z"}), "abc-z");
  EXPECT_EQ(EvaluateInlineFunction("ReplaceText", {"a-A-b", "a", "xa"}), "xa-xa-b");
  EXPECT_EQ(EvaluateInlineFunction("ReplaceText", {"abc", "", "x"}), "abc");
  EXPECT_EQ(EvaluateInlineFunction("InsertText", {"abc", "2", "X"}), "aXbc");
  EXPECT_EQ(EvaluateInlineFunction("InsertText", {"abc", "-4", "X"}), "Xabc");
  EXPECT_EQ(EvaluateInlineFunction("InsertText", {"abc", "5", "X"}), "abc X");
  EXPECT_EQ(EvaluateInlineFunction("GetSubText", {"a;b;;c", ";", "2"}), "b");
  EXPECT_EQ(EvaluateInlineFunction("GetSubText", {"a;b;;c", ";", "3"}), "");
  EXPECT_EQ(EvaluateInlineFunction("GetSubText", {"a;b;;c", ";", "4"}), "c");
  EXPECT_EQ(EvaluateInlineFunction("GetSubText", {"a;b;;c", ";", "5"}), "");
  EXPECT_EQ(EvaluateInlineFunction("GetSubText", {"aXbxc", "x", "0"}), "aXb");  // case-sensitive; below 1 is 1
  EXPECT_EQ(EvaluateInlineFunction("Length", {"hello"}), "5");
  EXPECT_EQ(EvaluateInlineFunction("Length", {}), "0");
  EXPECT_EQ(EvaluateInlineFunction("FindText", {"Hello World", "WOR"}), "World");
  EXPECT_EQ(EvaluateInlineFunction("FindText", {"Hello", "xyz"}), "Hello");
  EXPECT_EQ(EvaluateInlineFunction("CountItems", {"aAaa", "aa"}), "2");
  EXPECT_EQ(EvaluateInlineFunction("CountItems", {"abc", ""}), "0");
  EXPECT_EQ(EvaluateInlineFunction("Trim", {"  x \t  "}), "  x \t");
  EXPECT_EQ(EvaluateInlineFunction("CALC", {"(2+3)*4"}), "20");
  EXPECT_EQ(EvaluateInlineFunction("CALC", {"10/4"}), "2.5");
}

TEST(InlineFunctions, AResultLongerThanAllowedIsNone) {
  EXPECT_FALSE(EvaluateInlineFunction("InsertText", {"a", "2000000000", "X"}, 1 << 20).has_value());
  EXPECT_EQ(EvaluateInlineFunction("InsertText", {"a", "10", "X"}, 10), "a        X");
  EXPECT_FALSE(EvaluateInlineFunction("InsertText", {"a", "10", "X"}, 9).has_value());
  EXPECT_EQ(EvaluateInlineFunction("ReplaceText", {"aaa", "a", "bb"}, 6), "bbbbbb");
  EXPECT_FALSE(EvaluateInlineFunction("ReplaceText", {"aaa", "a", "bb"}, 5).has_value());
}

TEST_F(InlineFunctionsTest, CallFormsAndCase) {
  EXPECT_EQ(Expand("[Length(abc)|LENGTH (abcd)|length  (ab)]"), "[3|4|2]");
  // Three blanks is no call.
  EXPECT_EQ(Expand("Length   (abc)"), "Length   (abc)");
}

TEST_F(InlineFunctionsTest, QuotedArgumentsKeepTheirCommas) {
  EXPECT_EQ(Expand("ReplaceText(\"a,b,c\", \",\", \";\")"), "a;b;c");
  EXPECT_EQ(Expand("ReplaceText(a,b,c, \",\", \";\")"), "a");
}

TEST_F(InlineFunctionsTest, InsertTextPadsWithBlanks) { EXPECT_EQ(Expand("InsertText(abc, 5, X)"), "abc X"); }

TEST_F(InlineFunctionsTest, ParenthesesInsideQuotesCountButCannotClose) {
  EXPECT_EQ(Expand("Length(x(y)z)"), "5");
  EXPECT_EQ(Expand("Length('a(b)c')"), "5");
  // The quoted ")" brings the depth to 0 but cannot close; the last one
  // takes it below 0, so the first balancing ")" closes the call after all.
  EXPECT_EQ(Expand("Length('a)b') tail"), "1b') tail");
}

TEST_F(InlineFunctionsTest, UnbalancedCallsStayAsWritten) {
  EXPECT_EQ(Expand("Length(abc"), "Length(abc");
  EXPECT_EQ(Expand("Length((a) Length(b)"), "Length((a) 1");
  EXPECT_EQ(Expand(")Trim(("), ")Trim((");
  // An apostrophe in a word does not swallow the call.
  EXPECT_EQ(Expand("Length(it's)"), "4");
  EXPECT_EQ(Expand("Length(\"open) and Length(b)"), "4 and 1");
}

TEST_F(InlineFunctionsTest, ResultsAreSearchedForLaterFunctionsAndTheSameOne) {
  EXPECT_EQ(Expand("Uppercase(Uppercase(x))"), "X");
  EXPECT_EQ(Expand("Length(Trim(ab  ))"), "10");  // Length runs first, on "Trim(ab  )"
  EXPECT_EQ(Expand("Trim(Length(abc)  )"), "3");
}

TEST_F(InlineFunctionsTest, CalcAfterVariables) {
  SetVar("count", "41");
  EXPECT_EQ(Expand("CALC(%count+1)"), "42");
  EXPECT_EQ(Expand("CALC()"), "");
}

TEST_F(InlineFunctionsTest, CallsThatWouldGrowTheFieldBeyondItsBoundStay) {
  EXPECT_EQ(Expand("InsertText(a, 2000000000, X) Length(ab)"), "InsertText(a, 2000000000, X) 2");
  const std::string big(1 << 20, 'a');
  SetVar("big", big);
  // Every letter of a megabyte replaced by that megabyte: a terabyte.
  EXPECT_EQ(Expand("ReplaceText(%big, a, %big)").size(), 2 * big.size() + 18);
  // Many calls that each fit still stop at the bound.
  std::string field;
  for (int i = 0; i < 40; ++i) field += "InsertText(x, 2000000, y)";
  const std::string out = Expand(field);
  EXPECT_LE(out.size(), field.size() + kMaxInlineGrowth);
  EXPECT_GE(out.size(), kMaxInlineGrowth - 2000001);
  EXPECT_NE(out.find("InsertText(x, 2000000, y)"), std::string::npos);
}

TEST_F(InlineFunctionsTest, TheNumberOfCallsPerFieldIsBounded) {
  std::string field;
  for (int i = 0; i < kMaxInlineCalls + 3; ++i) field += "Trim(a)";
  const std::string out = Expand(field);
  EXPECT_EQ(out, std::string(kMaxInlineCalls, 'a') + "Trim(a)Trim(a)Trim(a)");
}

}  // namespace
}  // namespace zelo
