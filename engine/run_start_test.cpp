// What a run start does besides running: refusing empty scripts, the log
// restart, run-wide resets, screen saver, progress and window state.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

using test::Occurrences;
using test::ReadWholeFile;
using test::RunTest;
using test::TempFolder;

using RunStartTest = RunTest;

TEST_F(RunStartTest, EmptyScriptIsRefusedWithAMessage) {
  EXPECT_FALSE(engine.StartRun(0, RunCommand::Run, true));
  auto shown = messages.All();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "The file is empty.\n\nPlease add commands before using this feature.");
  EXPECT_EQ(shown[0].caption, "System Message");
  EXPECT_FALSE(engine.RunActive());
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(window.Count("close"), 0);
}

TEST_F(RunStartTest, HiddenProgramWithAnEmptyScriptCloses) {
  engine.set_hidden_program(true);
  EXPECT_FALSE(engine.StartRun(0, RunCommand::Run, true));
  EXPECT_EQ(window.Count("close"), 1);
}

TEST_F(RunStartTest, RestartLogLeavesOnlyTheNewRunInTheFile) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", path);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\RestartLog", 1);
  { std::ofstream(path, std::ios::binary) << "old run\r\n"; }
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(ReadWholeFile(path),
            "----------------------------------------\r\nStarting Run at 9:05:07\r\n"
            "[STEP 1]: Comment \r\n"
            "Run Completed at 9:05:07 (Elapsed Time: less than 1 second)\r\n\r\n");

  RunAndWait(RunCommand::RunSingleStep);  // every start restarts the log
  EXPECT_EQ(ReadWholeFile(path), "[STEP 1]: Comment \r\nRun Completed at 9:05:07 (Elapsed Time: less than 1 second)\r\n\r\n");
}

TEST_F(RunStartTest, WithoutRestartLogRunsAccumulate) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", path);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\RestartLog", 0);
  AddStep("Comment");
  RunAndWait();
  RunAndWait();
  EXPECT_EQ(Occurrences(ReadWholeFile(path), "Starting Run"), 2);
}

TEST_F(RunStartTest, LoggingOffLeavesTheFileUntouched) {
  TempFolder folder;
  const std::string path = folder.File("log.txt");
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", path);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 0);
  WriteSettingNumber("SOFTWARE\\Zelomat\\RestartLog", 0);
  AddStep("Comment");
  RunAndWait();
  EXPECT_FALSE(std::ifstream(path).good());
  EXPECT_NE(Log().find("Run Completed"), std::string::npos) << "the palette still gets every line";
}

TEST_F(RunStartTest, UnwritableLogFileNeverStopsARun) {
  TempFolder folder;
  const std::string blocker = folder.File("file");
  { std::ofstream(blocker) << "x"; }
  WriteSetting("SOFTWARE\\Zelomat\\Logfile", blocker + "/sub/log.txt");
  WriteSettingNumber("SOFTWARE\\Zelomat\\Log", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\RestartLog", 1);
  AddStep("Comment");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Calls(), (std::vector<int>{0, 1}));
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(RunStartTest, FullRunResetsRunWideStateOthersDoNot) {
  static int resets;
  resets = 0;
  engine.OnFullRunStart([](int slot) { resets += slot + 1; });
  WriteSettingNumber("SOFTWARE\\Zelomat\\ResetUserVariables", 1);
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(input.forgets, 1);
  EXPECT_EQ(system.variable_resets, 1);
  RunAndWait(RunCommand::RunFromHere);
  RunAndWait(RunCommand::RunSingleStep);
  EXPECT_EQ(resets, 1);
  EXPECT_EQ(input.forgets, 1);
  EXPECT_EQ(system.variable_resets, 1);
}

TEST_F(RunStartTest, UserVariablesStayWhenAnotherInstanceRunsOrTheCommandLineSetThem) {
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(system.variable_resets, 0) << "ResetUserVariables is off";
  WriteSettingNumber("SOFTWARE\\Zelomat\\ResetUserVariables", 1);
  system.other_instance = true;
  RunAndWait();
  EXPECT_EQ(system.variable_resets, 0);
  system.other_instance = false;
  engine.set_variables_from_command_line(true);
  RunAndWait();
  EXPECT_EQ(system.variable_resets, 0);
}

TEST_F(RunStartTest, ScreenSaverIsOffDuringTheRunAndRestoredAfter) {
  static bool during;
  static bool kept;
  engine.handlers().Set(CAT_SYSTEM, [](RunEngine& run, const ActionServices*, int, int) {
    during = run.system().ScreenSaverActive();
    kept = ReadSetting("SOFTWARE\\Zelomat\\ScreenSaver") == 1;
    return 1;
  });
  AddStep("Comment");
  WriteSettingNumber("SOFTWARE\\Zelomat\\DisableScreenSaver", 1);
  system.screen_saver = true;
  RunAndWait();
  EXPECT_FALSE(during);
  EXPECT_TRUE(kept);
  EXPECT_TRUE(system.screen_saver);
  EXPECT_FALSE(SettingExists("SOFTWARE\\Zelomat\\ScreenSaver"));

  system.screen_saver = false;  // the user had it off: it stays off
  RunAndWait();
  EXPECT_FALSE(system.screen_saver);
}

TEST_F(RunStartTest, ScreenSaverIsLeftAloneByDefault) {
  engine.handlers().Set(CAT_SYSTEM, [](RunEngine& run, const ActionServices*, int, int) {
    return run.system().ScreenSaverActive() ? 1 : 0;
  });
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
}

TEST_F(RunStartTest, WindowSettingsAreHonoured) {
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(window.Count("minimize"), 0);
  EXPECT_EQ(window.Count("restore"), 0);
  EXPECT_EQ(window.Count("progress 1"), 0);
  WriteSettingNumber("SOFTWARE\\Zelomat\\MinimizeStart", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\ReturnWhenDone", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Progress", 1);
  RunAndWait();
  EXPECT_EQ(window.Count("minimize"), 1);
  EXPECT_EQ(window.Count("restore"), 1);
  EXPECT_EQ(window.Count("progress 1"), 1);
  EXPECT_FALSE(window.progress_visible) << "the progress window goes at the end";
}

}  // namespace
}  // namespace zelo
