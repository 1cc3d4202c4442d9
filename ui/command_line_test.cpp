#include "ui/command_line.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

std::string Vars(const CommandLine& c) {
  std::string s;
  for (const auto& v : c.variables) s += "[" + v.name + "=" + v.value + "]";
  return s;
}

TEST(CommandLineParse, EmptyOrBlankLineSetsNothing) {
  for (const char* text : {"", "   ", "\t \t"}) {
    CommandLine c = ParseCommandLine(text);
    EXPECT_FALSE(c.help) << text;
    EXPECT_EQ(c.start_bits, 0u) << text;
    EXPECT_EQ(c.log, LogSwitch::Unchanged) << text;
    EXPECT_TRUE(c.variables.empty()) << text;
    EXPECT_TRUE(c.file_name.empty()) << text;
  }
}

TEST(CommandLineParse, RunModesAndTheirBits) {
  struct Case {
    const char* text;
    uint32_t bits;
  } cases[] = {
      {"/v C:\\a.zxm", START_OPEN | START_RUN},
      {"-V C:\\a.zxm", START_OPEN | START_RUN},
      {"/r C:\\a.zxm", START_OPEN | START_RUN | START_HIDDEN},
      {"-R C:\\a.zxm", START_OPEN | START_RUN | START_HIDDEN},
      {"/e C:\\a.zxm", START_OPEN},
      {"-e C:\\a.zxm", START_OPEN},
      {"C:\\a.zxm", START_OPEN},
      {"C:\\a.zxm /v", START_OPEN | START_RUN},  // options may follow the file
  };
  for (const Case& k : cases) {
    CommandLine c = ParseCommandLine(k.text);
    EXPECT_EQ(c.start_bits, k.bits) << k.text;
    EXPECT_EQ(c.file_name, "C:\\a.zxm") << k.text;
  }
}

TEST(CommandLineParse, VisibleBeatsHiddenAndHiddenBeatsEdit) {
  EXPECT_EQ(ParseCommandLine("/r /v C:\\a.zxm").start_bits, START_OPEN | START_RUN);
  EXPECT_EQ(ParseCommandLine("/e /r C:\\a.zxm").start_bits, START_OPEN | START_RUN | START_HIDDEN);
  EXPECT_EQ(ParseCommandLine("/e /v C:\\a.zxm").start_bits, START_OPEN | START_RUN);
}

TEST(CommandLineParse, ModeWithoutFileStillAsksToOpen) {
  CommandLine c = ParseCommandLine("/r");
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN | START_HIDDEN);
  EXPECT_TRUE(c.file_name.empty());
  EXPECT_EQ(ParseCommandLine("/e").start_bits, START_OPEN);
}

TEST(CommandLineParse, LoggingSwitchesOffWinsOverOn) {
  EXPECT_EQ(ParseCommandLine("/L").log, LogSwitch::On);
  EXPECT_EQ(ParseCommandLine("-l").log, LogSwitch::On);
  EXPECT_EQ(ParseCommandLine("/f").log, LogSwitch::Off);
  EXPECT_EQ(ParseCommandLine("/L /f").log, LogSwitch::Off);
  EXPECT_EQ(ParseCommandLine("-F -L").log, LogSwitch::Off);
  CommandLine c = ParseCommandLine("/L");
  EXPECT_EQ(c.start_bits, 0u);  // a switch alone opens nothing
}

TEST(CommandLineParse, ObsoleteSwitchesAreDroppedWithoutEffect) {
  CommandLine c = ParseCommandLine("/g -G C:\\a.zxm /d -D");
  EXPECT_EQ(c.start_bits, START_OPEN);
  EXPECT_EQ(c.file_name, "C:\\a.zxm");
  EXPECT_EQ(c.log, LogSwitch::Unchanged);
}

TEST(CommandLineParse, HelpOptionsReplaceEverythingElse) {
  for (const char* text : {"/?", "-?", "/HELP", "-help", "/r C:\\a.zxm /L x=1 /?", "/Help /v C:\\a.zxm"}) {
    CommandLine c = ParseCommandLine(text);
    EXPECT_TRUE(c.help) << text;
    EXPECT_EQ(c.start_bits, 0u) << text;
    EXPECT_EQ(c.log, LogSwitch::Unchanged) << text;
    EXPECT_TRUE(c.variables.empty()) << text;
    EXPECT_TRUE(c.file_name.empty()) << text;
  }
}

TEST(CommandLineParse, HelpOnlyAsAWholeWordOutsideQuotes) {
  EXPECT_FALSE(ParseCommandLine("/helper").help);
  EXPECT_FALSE(ParseCommandLine("C:\\why/?.zxm").help);
  EXPECT_FALSE(ParseCommandLine("\"/?\"").help);
  EXPECT_FALSE(ParseCommandLine("C:\\-help\\a.zxm").help);
}

// Option letters inside a path are part of the path: they neither change the
// run mode nor disappear from the file name.
TEST(CommandLineParse, OptionLettersInsidePathsAreKept) {
  CommandLine c = ParseCommandLine("/r C:\\my-reports\\x.zxm");
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN | START_HIDDEN);
  EXPECT_EQ(c.file_name, "C:\\my-reports\\x.zxm");

  c = ParseCommandLine("C:\\data-files\\x.zxm");
  EXPECT_EQ(c.start_bits, START_OPEN);
  EXPECT_EQ(c.log, LogSwitch::Unchanged);
  EXPECT_EQ(c.file_name, "C:\\data-files\\x.zxm");

  c = ParseCommandLine("C:\\my-reports\\x.zxm");  // no hidden run from "-r" inside
  EXPECT_EQ(c.start_bits, START_OPEN);
  EXPECT_EQ(c.file_name, "C:\\my-reports\\x.zxm");

  c = ParseCommandLine("/e D:\\scripts/v2/a-e-d.zxm");
  EXPECT_EQ(c.start_bits, START_OPEN);
  EXPECT_EQ(c.file_name, "D:\\scripts/v2/a-e-d.zxm");

  c = ParseCommandLine("/vx");  // not a switch: a (strange) file name
  EXPECT_EQ(c.start_bits, START_OPEN);
  EXPECT_EQ(c.file_name, "/vx");
}

TEST(CommandLineParse, QuotedOptionWordsArePartOfTheFileName) {
  CommandLine c = ParseCommandLine("/v \"C:\\a /r b\\x.zxm\"");
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN);
  EXPECT_EQ(c.file_name, "C:\\a /r b\\x.zxm");

  c = ParseCommandLine("\"C:\\Program Files\\Z\\-L\\run.zxm\" /e");
  EXPECT_EQ(c.log, LogSwitch::Unchanged);
  EXPECT_EQ(c.file_name, "C:\\Program Files\\Z\\-L\\run.zxm");
}

TEST(CommandLineParse, FileNameTrimmedOfBlanksAndQuotes) {
  EXPECT_EQ(ParseCommandLine("   \"C:\\My Scripts\\a.zxm\"   ").file_name, "C:\\My Scripts\\a.zxm");
  // An unquoted path with blanks stays whole.
  EXPECT_EQ(ParseCommandLine("/r C:\\My Scripts\\a.zxm /L").file_name, "C:\\My Scripts\\a.zxm");
  // A lone quote from an unterminated quoted name goes too.
  EXPECT_EQ(ParseCommandLine("/e \"C:\\a b.zxm").file_name, "C:\\a b.zxm");
}

TEST(CommandLineParse, LonePercentIsNoFileName) {
  CommandLine c = ParseCommandLine("%");
  EXPECT_TRUE(c.file_name.empty());
  EXPECT_EQ(c.start_bits, 0u);
}

TEST(CommandLineParse, FileNameIsCutTo259Characters) {
  std::string path = "C:\\" + std::string(300, 'a') + ".zxm";
  CommandLine c = ParseCommandLine(path);
  EXPECT_EQ(c.file_name.size(), 259u);
  EXPECT_EQ(c.file_name, path.substr(0, 259));
}

TEST(CommandLineAssignments, NameStartsAtTheWordAndLosesItsFirstPercent) {
  CommandLine c = ParseCommandLine("x=1");
  EXPECT_EQ(Vars(c), "[x=1]");
  EXPECT_EQ(c.start_bits, START_VARIABLES);
  EXPECT_TRUE(c.file_name.empty());

  EXPECT_EQ(Vars(ParseCommandLine("%count=5")), "[count=5]");
  EXPECT_EQ(Vars(ParseCommandLine("a%b=1")), "[ab=1]");
  EXPECT_EQ(Vars(ParseCommandLine("%%x=1")), "[%x=1]");
}

TEST(CommandLineAssignments, TheUsageExampleWorks) {
  CommandLine c = ParseCommandLine("/v C:\\MyFile.zxm /L %foo=\"New Value\"");
  EXPECT_EQ(Vars(c), "[foo=New Value]");
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN | START_VARIABLES);
  EXPECT_EQ(c.log, LogSwitch::On);
  EXPECT_EQ(c.file_name, "C:\\MyFile.zxm");
}

TEST(CommandLineAssignments, QuotedValues) {
  EXPECT_EQ(Vars(ParseCommandLine("x='it''s'")), "[x=it]");  // the first apostrophe closes
  EXPECT_EQ(Vars(ParseCommandLine("x='say \"hi\" now'")), "[x=say \"hi\" now]");
  EXPECT_EQ(Vars(ParseCommandLine("x=\"it's /r here\"")), "[x=it's /r here]");
  EXPECT_EQ(Vars(ParseCommandLine("x=\"\"")), "[x=]");
  EXPECT_EQ(Vars(ParseCommandLine("x=\"runs to the end")), "[x=runs to the end]");
  // Option words inside a quoted value are not options.
  CommandLine c = ParseCommandLine("msg=\"use /r and /f\" C:\\a.zxm");
  EXPECT_EQ(c.start_bits, START_OPEN | START_VARIABLES);
  EXPECT_EQ(c.log, LogSwitch::Unchanged);
  EXPECT_EQ(c.file_name, "C:\\a.zxm");
}

TEST(CommandLineAssignments, UnquotedValueEndsAtBlankPercentOrSlash) {
  EXPECT_EQ(Vars(ParseCommandLine("x=abc def")), "[x=abc]");
  EXPECT_EQ(Vars(ParseCommandLine("x=")), "[x=]");
  EXPECT_EQ(Vars(ParseCommandLine("%a=1%b=2")), "[a=1][b=2]");
  // The slash ends the value and starts the next word, here a switch.
  CommandLine c = ParseCommandLine("x=1/v C:\\a.zxm");
  EXPECT_EQ(Vars(c), "[x=1]");
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN | START_VARIABLES);
  EXPECT_EQ(c.file_name, "C:\\a.zxm");
}

TEST(CommandLineAssignments, SeveralAssignmentsAroundTheFileName) {
  CommandLine c = ParseCommandLine("a=1 /r C:\\f.zxm %b=\"two words\" c=3");
  EXPECT_EQ(Vars(c), "[a=1][b=two words][c=3]");
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN | START_HIDDEN | START_VARIABLES);
  EXPECT_EQ(c.file_name, "C:\\f.zxm");
}

TEST(CommandLineAssignments, OnlyAssignmentsOpensNothing) {
  CommandLine c = ParseCommandLine("%x=1 %y=2");
  EXPECT_EQ(c.start_bits, START_VARIABLES);
  EXPECT_TRUE(c.file_name.empty());
}

TEST(CommandLineAssignments, EqualsInsideQuotedFileNameIsNoAssignment) {
  CommandLine c = ParseCommandLine("/r \"C:\\a=b\\x.zxm\"");
  EXPECT_TRUE(c.variables.empty());
  EXPECT_EQ(c.start_bits, START_OPEN | START_RUN | START_HIDDEN);
  EXPECT_EQ(c.file_name, "C:\\a=b\\x.zxm");
}

TEST(CommandLineAssignments, EqualsWithoutNameIsNoAssignment) {
  CommandLine c = ParseCommandLine("=5");
  EXPECT_TRUE(c.variables.empty());
  EXPECT_EQ(c.file_name, "=5");
}

TEST(ProgramPath, ArgumentsFollowThePath) {
  EXPECT_EQ(ArgumentsAfterProgramPath("\"C:\\Program Files\\Zelomat\\Zelomat.exe\" /r a.zxm"), "/r a.zxm");
  EXPECT_EQ(ArgumentsAfterProgramPath("C:\\Z\\Zelomat.exe   /v  a.zxm"), "/v  a.zxm");
  EXPECT_EQ(ArgumentsAfterProgramPath("Zelomat.exe"), "");
  EXPECT_EQ(ArgumentsAfterProgramPath("\"C:\\Z\\Zelomat.exe\""), "");
  EXPECT_EQ(ArgumentsAfterProgramPath("\"C:\\Z\\Zelomat.exe\"/r a.zxm"), "/r a.zxm");
  EXPECT_EQ(ArgumentsAfterProgramPath(""), "");
}

TEST(UsageText, IsTheHelpBoxText) {
  EXPECT_STREQ(kUsageCaption, "Zelomat");
  EXPECT_STREQ(kUsageText,
               "Zelomat Startup (Command Line) Options:\n\n"
               "\t/e\tEdit file\n\t/r\tRun file\n\t/v\tRun file in Zelomat\n"
               "\t/L\tTurn logging on\n\t/f\tTurn logging off\n\t%x=1\tSet user variable\n\n"
               "Example:  Zelomat.exe /v C:\\MyFile.zxm /L %foo=\"New Value\"\t");
}

class LogSwitchTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }
  MemorySettings store_;
};

TEST_F(LogSwitchTest, WritesTheLogSetting) {
  ApplyLogSwitch(ParseCommandLine("/L"));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Log"), 1);
  EXPECT_EQ(SettingSize("SOFTWARE\\Zelomat\\Log"), 4u);  // a number
  ApplyLogSwitch(ParseCommandLine("/L /f"));
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\Log"));
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Log"), 0);
}

TEST_F(LogSwitchTest, NoSwitchLeavesTheSettingAlone) {
  ApplyLogSwitch(ParseCommandLine("C:\\data-files\\x.zxm"));
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\Log"));
  ApplyLogSwitch(ParseCommandLine("/L /?"));
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\Log"));
}

}  // namespace
}  // namespace zelo
