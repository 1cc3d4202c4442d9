#include "expr/expand_text.h"

#include <gtest/gtest.h>

#include <set>

#include "expr/testing/expansion_fixture.h"

namespace zelo {
namespace {

using ExpandTextTest = ExpansionTest;

TEST_F(ExpandTextTest, ReturnsTheLengthPlusOneAndZeroForAnEmptyField) {
  EXPECT_EQ(ExpandText("abc", 0, 0), 4u);
  EXPECT_EQ(ExpansionBuffer(), "abc");
  EXPECT_EQ(ExpandText("", 0, 0), 0u);
  EXPECT_EQ(ExpansionBuffer(), "");
  // A field that expands to nothing is not an empty field.
  SetVar("nothing", "");
  EXPECT_EQ(ExpandText("%nothing", 0, 0), 1u);
}

TEST_F(ExpandTextTest, TheFieldEndsAtItsFirstNul) {
  EXPECT_EQ(Expand(std::string_view("ab\0%n", 5)), "ab");
}

TEST_F(ExpandTextTest, TheLastResultMayBePassedBackIn) {
  SetVar("v", "value");
  Expand("%v and %v");
  EXPECT_EQ(ExpandText(ExpansionBuffer(), 0, 0), 16u);
  EXPECT_EQ(ExpansionBuffer(), "value and value");
}

TEST_F(ExpandTextTest, DoublePercentIsALiteralPercent) {
  EXPECT_EQ(Expand("100%%"), "100%");
  EXPECT_EQ(Expand("%%n"), "%n");
  EXPECT_EQ(Expand("%%%n"), "%\n");
  SetVar("counter", "5");
  EXPECT_EQ(Expand("%%counter"), "%counter");
}

TEST_F(ExpandTextTest, TheEscapeByteInAFieldComesOutAsPercent) { EXPECT_EQ(Expand("a\xFF" "b"), "a%b"); }

TEST_F(ExpandTextTest, AVariableReferenceAndItsSpellings) {
  SetVar("counter", "5");
  EXPECT_EQ(Expand("%counter"), "5");
  EXPECT_EQ(Expand("%counter%"), "5%");
  EXPECT_EQ(Expand("%counters"), "5s");
  EXPECT_EQ(Expand("%COUNTER"), "5");
}

TEST_F(ExpandTextTest, AnUnknownReferenceStaysAndLaterTokensMayTakePartOfIt) {
  EXPECT_EQ(Expand("%note"), "\note");
  EXPECT_EQ(Expand("%zzz"), "%zzz");
}

TEST_F(ExpandTextTest, WindowsConstantsInAnyCase) {
  EXPECT_EQ(Expand("MB_OK+MB_ICONINFORMATION"), "0+64");
  EXPECT_EQ(Expand("mb_ok+Mb_IconInformation"), "0+64");
  EXPECT_EQ(Expand("MB_OKCANCEL|IDYES"), "1|6");
  EXPECT_EQ(Expand("WS_POPUPWINDOW WS_EX_PALETTEWINDOW"), "2156396544 392");
  EXPECT_EQ(Expand("GENERIC_READ|FILE_END"), "2147483648|2");
}

TEST_F(ExpandTextTest, KeyNamesBecomeTokensThatAreThenReplaced) {
  EXPECT_EQ(Expand("a{ENTER}b{tab}c{Space}d"), "a\nb\tc d");
}

TEST_F(ExpandTextTest, VariableValuesPassThroughTheLaterStages) {
  SetVar("v", "MB_YESNO%n%yyyy");
  EXPECT_EQ(Expand("%v"), "4\n2007");
  // ...but "%%" in a value is no escape: only the field's own are.
  SetVar("w", "5%%");
  EXPECT_EQ(Expand("%w"), "5%%");
}

TEST_F(ExpandTextTest, FunctionsSeeTheExpandedTextAndTheirResultsAreNotExpandedAgain) {
  EXPECT_EQ(Expand("Length(%yyyy)"), "4");
  EXPECT_EQ(Expand("Uppercase(%mmm)"), "MAR");
  // %%N became an escaped "%" before the function ran: the result is two characters.
  EXPECT_EQ(Expand("Lowercase(%%N)"), "%n");
}

TEST_F(ExpandTextTest, AFieldWithoutPercentStillEvaluatesFunctions) {
  EXPECT_EQ(Expand("Length(abc)"), "3");
  EXPECT_EQ(Expand("CALC(1+1)"), "2");
}

TEST_F(ExpandTextTest, SystemTokensNeedAPercentButConstantsCanBringOne) {
  // "{ENTER}" brings the "%n" that lets the system tokens run.
  EXPECT_EQ(Expand("{enter}"), "\n");
  EXPECT_EQ(Expand("no tokens here"), "no tokens here");
}

TEST_F(ExpandTextTest, RandomDigitsKeepTheirTokenShape) {
  std::set<char> seen;
  for (int i = 0; i < 200; ++i) {
    const std::string four = Expand("%xxxx");
    ASSERT_EQ(four.size(), 4u);
    for (char c : four) {
      ASSERT_TRUE(c >= '0' && c <= '9') << four;
      seen.insert(c);
    }
    const std::string no_leading_zero = Expand("%Xxxx");
    ASSERT_EQ(no_leading_zero.size(), 4u);
    ASSERT_NE(no_leading_zero[0], '0');
    const std::string twice = Expand("%xx and %xx");
    ASSERT_EQ(twice.substr(0, 2), twice.substr(7, 2));
  }
  EXPECT_EQ(seen.size(), 10u);
}

TEST_F(ExpandTextTest, TwelveHourClockAndAmPm) {
  context.SetLocalTime(2007, 3, 14, 13, 5, 0);
  EXPECT_EQ(Expand("%hh:%ii %a"), "01:05 PM");
  context.SetLocalTime(2007, 3, 14, 0, 30, 0);
  EXPECT_EQ(Expand("%hh:%ii %a"), "12:30 AM");
}

TEST_F(ExpandTextTest, DateOffsets) {
  EXPECT_EQ(Expand("%dd++7"), "21");
  EXPECT_EQ(Expand("%dd--1"), "13");
  EXPECT_EQ(Expand("%mm++1/%dd"), "04/14");  // 31 days
  EXPECT_EQ(Expand("%yy"), "07");
}

TEST_F(ExpandTextTest, WindowTokensWithoutALiveCurrentWindow) {
  EXPECT_EQ(Expand("%window_x"), "Untitled - Notepad_x");
  context.current_window_live = true;
  context.current_window = {100, 50, 740, 530};
  EXPECT_EQ(Expand("%window_x,%window_y %window_wide x %window_hi"), "100,50 640 x 480");
}

TEST_F(ExpandTextTest, FunctionsRunInTheirListOrderNotInnermostFirst) {
  // Uppercase runs first on its one argument, cut at the comma; FindText
  // then finds no closing parenthesis and stays.
  EXPECT_EQ(Expand("Uppercase(FindText(hello world, wor))"), "FINDTEXT(HELLO WORLD");
  EXPECT_EQ(Expand("Uppercase(Trim(x  ))"), "X");
}

TEST_F(ExpandTextTest, LocalModeKeepsTabsApart) {
  WriteSettingNumber(kLocalVariablesSetting, 1);
  SetVar("shared", "root");
  SetVar("mine", "tab one", "SOFTWARE\\Zelomat\\UserVariables\\5046_1");
  EXPECT_EQ(Expand("%mine", 0), "tab one");
  EXPECT_EQ(Expand("%mine", 1), "%mine");
  EXPECT_EQ(Expand("%shared", 0), "%shared");
  // Another program instance (another main window) has its own variables.
  context.main_window = 7000;
  EXPECT_EQ(Expand("%mine", 0), "%mine");
}

TEST_F(ExpandTextTest, LoopVariablesAreReadFromTheSharedKeyInEveryMode) {
  WriteSettingNumber(kLocalVariablesSetting, 1);
  SetVar("file_loop", "C:\\data\\a.txt");
  SetNumberVar("hwnd_loop", 0xFFFFFFFEu);
  EXPECT_EQ(Expand("%FILE_LOOP|%hwnd_loop", 2), "C:\\data\\a.txt|-2");
}

TEST_F(ExpandTextTest, LoopVariablesAreCutAndMayBeEmpty) {
  SetVar("window_loop", std::string(300, 'w'));
  EXPECT_EQ(Expand("%window_loop"), std::string(259, 'w'));
  SetVar("data_loop", "");
  EXPECT_EQ(Expand("[%data_loop]"), "[]");
}

TEST_F(ExpandTextTest, TheStepAndSlotFeedTheRunTokens) {
  EXPECT_EQ(Expand("%currentstep/%currentfile", 3, 41), "42/4");
}

}  // namespace
}  // namespace zelo
