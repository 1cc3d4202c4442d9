#include "engine/run_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "engine/log_sink.h"
#include "engine/run_test_fixture.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

using test::Occurrences;
using test::ReadWholeFile;
using test::RecordingLogSink;
using test::TempFolder;

class RunLogTest : public ::testing::Test {
 protected:
  RunLogTest() {
    UseSettings(&settings);
    UseLogSink(&sink);
    path = folder.File("ZelomatLog.txt");
    WriteSetting("SOFTWARE\\Zelomat\\Logfile", path);
  }
  ~RunLogTest() override {
    // The log file is kept open between lines; its folder goes next.
    CloseLogFile();
    UseLogSink(nullptr);
    UseSettings(nullptr);
  }
  void LoggingOnOff(bool on) { WriteSettingNumber("SOFTWARE\\Zelomat\\Log", on ? 1 : 0); }

  MemorySettings settings;
  RecordingLogSink sink;
  TempFolder folder;
  std::string path;
};

TEST(FormatLogText, FormatsPrintfStyle) {
  EXPECT_EQ(FormatLogText("[STEP %d]: %s %s%s%s\r\n", 3, "Type", "\"", "abc", "\""), "[STEP 3]: Type \"abc\"\r\n");
}

TEST(FormatLogText, ResultIsCutAt1024Characters) {
  std::string arg(3000, 'x');
  std::string s = FormatLogText("\t%s\r\n", arg.c_str());
  EXPECT_EQ(s.size(), 1024u);
  EXPECT_EQ(s, "\t" + std::string(1023, 'x'));
}

TEST(FormatLogText, LongFormatIsTakenAsItIsUpTo992Characters) {
  std::string format = std::string(995, 'a') + "%d%s";
  EXPECT_EQ(FormatLogText(format.c_str()), std::string(992, 'a'));
  std::string shorter = std::string(989, 'a') + "%d";  // 991 characters: still formatted
  EXPECT_EQ(FormatLogText(shorter.c_str(), 7), std::string(989, 'a') + "7");
}

TEST_F(RunLogTest, LoggingOffShowsTheLineButLeavesTheFileAlone) {
  WriteLog("Skipping [STEP %d]\r\n", 4);
  EXPECT_EQ(sink.Output(), "Skipping [STEP 4]\r\n");
  EXPECT_FALSE(std::ifstream(path).good());
}

TEST_F(RunLogTest, LoggingOnAppendsEveryLineByteExactAndReadableAtOnce) {
  LoggingOnOff(true);
  WriteLog("[STEP %d]: %s \r\n", 1, "Comment");
  EXPECT_EQ(ReadWholeFile(path), "[STEP 1]: Comment \r\n");  // readable before any other call
  WriteLog("%s", "\tdetail\r\n");
  EXPECT_EQ(ReadWholeFile(path), "[STEP 1]: Comment \r\n\tdetail\r\n");
  EXPECT_EQ(sink.Output(), "[STEP 1]: Comment \r\n\tdetail\r\n");
}

TEST_F(RunLogTest, LogFileKeepsEarlierContent) {
  { std::ofstream(path, std::ios::binary) << "old\r\n"; }
  LoggingOnOff(true);
  WriteLog("new\r\n");
  EXPECT_EQ(ReadWholeFile(path), "old\r\nnew\r\n");
}

TEST_F(RunLogTest, MissingFoldersOfTheLogFileAreCreated) {
  LoggingOnOff(true);
  const std::string deep = folder.File("a") + "/b/c/log.txt";
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", deep);
  WriteLog("line\r\n");
  EXPECT_EQ(ReadWholeFile(deep), "line\r\n");
}

TEST_F(RunLogTest, UnwritableLogFileIsIgnoredAndThePaletteStillShowsTheLine) {
  LoggingOnOff(true);
  const std::string blocker = folder.File("not_a_folder");
  { std::ofstream(blocker) << "x"; }
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", blocker + "/log.txt");
  WriteLog("line %d\r\n", 1);
  EXPECT_EQ(sink.Output(), "line 1\r\n");
  EXPECT_FALSE(AppendToLogFileAlways("more\r\n"));
}

TEST_F(RunLogTest, WriteLogAlwaysReachesTheFileWithLoggingOff) {
  LoggingOnOff(false);
  WriteLogAlways("\tERROR while running [STEP %d] %s\r\n", 2, "Type");
  EXPECT_EQ(ReadWholeFile(path), "\tERROR while running [STEP 2] Type\r\n");
  EXPECT_EQ(sink.Output(), "\tERROR while running [STEP 2] Type\r\n");
}

TEST_F(RunLogTest, AppendToLogFileAlwaysWritesOnlyTheFile) {
  LoggingOnOff(false);
  EXPECT_TRUE(AppendToLogFileAlways("text\r\n"));
  EXPECT_EQ(ReadWholeFile(path), "text\r\n");
  EXPECT_EQ(sink.Output(), "");
}

TEST_F(RunLogTest, DeleteLogFileRemovesIt) {
  LoggingOnOff(true);
  WriteLog("x\r\n");
  DeleteLogFile();
  EXPECT_FALSE(std::ifstream(path).good());
  WriteLog("y\r\n");
  EXPECT_EQ(ReadWholeFile(path), "y\r\n");
}

TEST_F(RunLogTest, LogFilePathDefaultsWhenNotSet) {
  DeleteSetting("SOFTWARE\\Zelomat\\Logfile");
  EXPECT_EQ(LogFilePath(), "C:\\ZelomatLog.txt");
}

TEST_F(RunLogTest, StatusTextFormatsAndIgnoresNegativeParts) {
  ShowStatus(1, "Loops: %d", 3);
  ShowStatus(-1, "ignored %d", 1);
  ASSERT_EQ(sink.Status().size(), 1u);
  EXPECT_EQ(sink.Status()[0], "1:Loops: 3");
}

TEST_F(RunLogTest, NoSinkInstalledStillWritesTheFile) {
  UseLogSink(nullptr);
  LoggingOnOff(true);
  WriteLog("alone\r\n");
  ShowStatus(0, "nothing to show");
  EXPECT_EQ(ReadWholeFile(path), "alone\r\n");
}

TEST_F(RunLogTest, LinesFromTwoThreadsAreNeverMixedWithinALine) {
  LoggingOnOff(true);
  const std::string a(300, 'a'), b(300, 'b');
  auto writer = [](const std::string& s) {
    for (int i = 0; i < 200; ++i) WriteLog("%s\r\n", s.c_str());
  };
  std::thread t1(writer, a), t2(writer, b);
  t1.join();
  t2.join();
  const std::string file = ReadWholeFile(path);
  EXPECT_EQ(Occurrences(file, a + "\r\n"), 200);
  EXPECT_EQ(Occurrences(file, b + "\r\n"), 200);
  EXPECT_EQ(file.size(), 400u * 302u);
}

}  // namespace
}  // namespace zelo
