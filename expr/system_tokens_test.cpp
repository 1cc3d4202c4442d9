// The system tokens: what each stands for, in which order they are replaced,
// and that a fact is gathered only for a token the field uses.
#include <gtest/gtest.h>

#include "expr/environment_expansion.h"
#include "expr/testing/expansion_fixture.h"
#include "expr/windows_version_name.h"

namespace zelo {
namespace {

using SystemTokensTest = ExpansionTest;

TEST_F(SystemTokensTest, Folders) {
  EXPECT_EQ(Expand("%SYSDIR|%windir|%CurDir"), "C:\\WINDOWS\\system32|C:\\WINDOWS|C:\\work");
  context.current_folder = std::string(300, 'f');
  EXPECT_EQ(Expand("%curdir"), std::string(258, 'f'));
}

TEST_F(SystemTokensTest, EnvironmentVariablesBetweenTwoPercents) {
  context.environment["TEMP"] = "C:\\Temp";
  context.environment["PATH"] = "C:\\bin";
  context.environment["PROGRAMFILES"] = "C:\\Program Files";
  EXPECT_EQ(Expand("%temp%\\x"), "C:\\Temp\\x");
  EXPECT_EQ(Expand("%UNDEFINED%TEMP%"), "%UNDEFINEDC:\\Temp");
  EXPECT_EQ(Expand("%programfiles\\Zelomat"), "C:\\Program Files\\Zelomat");
  EXPECT_EQ(Expand("%path"), "C:\\bin");
  // The closing "%" stays: %path% is %PATH%%.
  EXPECT_EQ(Expand("%path%"), "C:\\bin%");
}

TEST_F(SystemTokensTest, EnvironmentExpansionOnItsOwn) {
  context.environment["A"] = "1";
  std::string text = "%A%%A%%%A";
  ExpandEnvironmentReferences(text, context);
  EXPECT_EQ(text, "11%%A");
  text = "50% off, 20% on";
  ExpandEnvironmentReferences(text, context);
  EXPECT_EQ(text, "50% off, 20% on");
}

TEST_F(SystemTokensTest, LogFileWindowsVersionAndForegroundWindow) {
  EXPECT_EQ(Expand("%LOGFILE"), "C:\\ZelomatLog.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", "D:\\logs\\run.txt");
  EXPECT_EQ(Expand("%logfile"), "D:\\logs\\run.txt");
  EXPECT_EQ(Expand("%WINVER"), "Windows XP");
  EXPECT_EQ(Expand("%window|%HWND|%winclass"), "Untitled - Notepad|65552|Notepad");
}

TEST_F(SystemTokensTest, WindowsVersionNames) {
  EXPECT_EQ(WindowsVersionName({4, 0, 950, true}), "Windows 95");
  EXPECT_EQ(WindowsVersionName({4, 10, 1998, true}), "Windows 98");
  EXPECT_EQ(WindowsVersionName({4, 90, 3000, true}), "Windows ME");
  EXPECT_EQ(WindowsVersionName({4, 0, 1381, false}), "Windows NT 4");
  EXPECT_EQ(WindowsVersionName({5, 0, 2195, false}), "Windows 2000");
  EXPECT_EQ(WindowsVersionName({5, 2, 3790, false}), "Windows 2003 Server");
  EXPECT_EQ(WindowsVersionName({6, 0, 6000, false}), "Windows Vista");
  EXPECT_EQ(WindowsVersionName({6, 1, 7601, false}), "Windows 7");
  EXPECT_EQ(WindowsVersionName({6, 3, 9600, false}), "Windows 8.1");
  EXPECT_EQ(WindowsVersionName({10, 0, 19045, false}), "Windows 10");
  EXPECT_EQ(WindowsVersionName({10, 0, 22631, false}), "Windows 11");
  EXPECT_EQ(WindowsVersionName({12, 1, 0, false}), "Windows 12.1");
  EXPECT_EQ(WindowsVersionName({}), "");
}

TEST_F(SystemTokensTest, ScriptFileParts) {
  context.script_files[1] = "C:\\Scripts\\daily.run.zxm";
  EXPECT_EQ(Expand("%FILENAME|%FILEBASENAME|%FILEPATH|%FILEEXT", 1),
            "C:\\Scripts\\daily.run.zxm|daily.run.zxm|C:\\Scripts|.zxm");
  context.script_files[1] = "C:\\top.zxm";
  EXPECT_EQ(Expand("%filepath", 1), "C:\\");
  context.script_files[1] = "C:\\v1.2\\noext";
  EXPECT_EQ(Expand("%fileext", 1), ".2\\noext");
  context.script_files[1] = "noext";
  EXPECT_EQ(Expand("%fileext|%filebasename", 1), "noext|noext");
  context.script_files[1] = "(Untitled)";
  EXPECT_EQ(Expand("%filename|%filebasename|%filepath|%fileext", 1),
            "(Untitled)|(Untitled)|(Untitled)|(Untitled)");
}

TEST_F(SystemTokensTest, OneTemporaryFilePerExpansion) {
  EXPECT_EQ(Expand("%tempfile %TEMPFILE"), "C:\\TEMP\\ZEL1.tmp C:\\TEMP\\ZEL1.tmp");
  EXPECT_EQ(Expand("%tempfile"), "C:\\TEMP\\ZEL2.tmp");
  Expand("no temporary file here %n");
  EXPECT_EQ(context.temp_files_created, 2);
}

TEST_F(SystemTokensTest, ClipboardText) {
  EXPECT_EQ(Expand("[%clipboard]"), "[]");
  context.clipboard = std::string("copied\0rest", 11);
  EXPECT_EQ(Expand("[%CLIPBOARD]"), "[copied]");
}

TEST_F(SystemTokensTest, LoopAndRepeatCountersInFourWidths) {
  context.loop_counters[2] = 6;
  context.run_repeats[2] = 3;
  EXPECT_EQ(Expand("%l|%ll|%lll|%llll|%LL", 2), "7|07|007|0007|07");
  EXPECT_EQ(Expand("%e|%ee|%eee|%eeee", 2), "3|03|003|0003");
  context.run_repeats[2] = -1;
  EXPECT_EQ(Expand("%e", 2), "0");
}

TEST_F(SystemTokensTest, RunFactsAndControlCharacters) {
  EXPECT_EQ(Expand("%ticks|%mouse_x,%mouse_y|%screen_x x %screen_y"), "123456|10,20|1280 x 1024");
  EXPECT_EQ(Expand("a%rb%nc%td"), "a\rb\nc\td");
  EXPECT_EQ(Expand("%R%N%T"), "\r\n\t");
}

TEST_F(SystemTokensTest, TheOrderDecidesOverlappingTokens) {
  // %ticks before %t, %LOGFILE before %l, %currentstep before %c.
  EXPECT_EQ(Expand("%ticks %logfile %currentstep", 0, 4), "123456 C:\\ZelomatLog.txt 5");
  // An unknown word after "%" loses what a later token takes of it.
  EXPECT_EQ(Expand("%last"), "1ast");
  EXPECT_EQ(Expand("%apple"), "PMpple");
}

TEST_F(SystemTokensTest, TokensBroughtInByEarlierTokensAreReplacedByLaterOnes) {
  context.environment["X"] = "a%nb";
  EXPECT_EQ(Expand("%X%"), "a\nb");
  context.clipboard = "x%ty%yyyy";
  EXPECT_EQ(Expand("%clipboard"), "x\ty2007");
  context.script_files[0] = "C:\\100%currentfile\\x.zxm";
  EXPECT_EQ(Expand("%filename"), "C:\\1001\\x.zxm");
}

TEST_F(SystemTokensTest, FactsAreGatheredOnlyForTokensTheFieldUses) {
  Expand("%n and %yyyy");
  EXPECT_EQ(context.temp_files_created, 0);
  EXPECT_EQ(context.environment_lookups, 1);  // "n and " between the two "%"
}

TEST_F(SystemTokensTest, RandomTokensDrawOnlyTheFirstTokenShape) {
  SeedRandom(7);
  const std::string out = Expand("%xx-%xxxx");
  ASSERT_EQ(out.size(), 7u);
  // The longer token starts with the shorter one's digits.
  EXPECT_EQ(out.substr(0, 2), out.substr(3, 2));
  EXPECT_EQ(out.substr(5), "xx");
  const std::string letters = Expand("%ccC/%Ccc");
  ASSERT_EQ(letters.size(), 7u);
  EXPECT_TRUE(letters[0] >= 'a' && letters[0] <= 'z');
  EXPECT_TRUE(letters[2] >= 'A' && letters[2] <= 'Z');
  // The second token has the same text in other letter cases: replaced too.
  EXPECT_EQ(letters.substr(4), letters.substr(0, 3));
}

TEST_F(SystemTokensTest, ARandomRunIsAtMost64Letters) {
  const std::string out = Expand("%" + std::string(70, 'x'));
  EXPECT_EQ(out.size(), 70u);
  EXPECT_EQ(out.substr(64), "xxxxxx");
  EXPECT_EQ(out.substr(0, 64).find_first_not_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace zelo
