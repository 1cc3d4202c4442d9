#include "ui/startup_plan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/memory_settings.h"
#include "settings/settings.h"
#include "engine/exit_code.h"

namespace zelo {
namespace {

// Records what start-up asks of the program, in order.
class RecordingActions : public StartupActions {
 public:
  std::set<std::string> loadable;   // files the loader accepts
  std::set<std::string> existing;   // files that exist (loadable ones exist too)
  bool run_starts = true;           // false: the run is refused (empty script)
  std::vector<std::string> calls;

  void SetUserVariable(std::string_view name, std::string_view value) override {
    calls.push_back("var " + std::string(name) + "=" + std::string(value));
  }
  bool LoadScript(std::string_view path) override {
    calls.push_back("load " + std::string(path));
    return loadable.count(std::string(path)) > 0;
  }
  void OpenUntitled() override { calls.push_back("untitled"); }
  bool StartRun() override {
    calls.push_back("run");
    return run_starts;
  }
  bool FileExists(std::string_view path) override {
    std::string p(path);
    return existing.count(p) > 0 || loadable.count(p) > 0;
  }
};

using Calls = std::vector<std::string>;

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSettings(&store_);
    ClearExitCode();
  }
  void TearDown() override {
    ClearExitCode();
    UseSettings(nullptr);
  }
  StartupOutcome Start(const char* arguments) { return RunStartup(ParseCommandLine(arguments), actions_); }
  MemorySettings store_;
  RecordingActions actions_;
};

TEST_F(StartupTest, HiddenRunLoadsAndRuns) {
  actions_.loadable = {"C:\\a.zxm"};
  EXPECT_EQ(Start("/r C:\\a.zxm"), StartupOutcome::RunMessageLoop);
  EXPECT_EQ(actions_.calls, Calls({"load C:\\a.zxm", "run"}));
  EXPECT_FALSE(ExitCodeIsSet());
}

TEST_F(StartupTest, HiddenRunOfAMissingScriptEndsWithFailureCode) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\DefaultReturnCode", 0);
  EXPECT_EQ(Start("/r C:\\missing.zxm"), StartupOutcome::EndProgram);
  EXPECT_EQ(actions_.calls, Calls({"load C:\\missing.zxm", "untitled"}));
  EXPECT_EQ(ProcessExitCode(), kExitScriptNotLoaded);
}

TEST_F(StartupTest, HiddenRunWithoutFileEndsWithFailureCode) {
  EXPECT_EQ(Start("/r"), StartupOutcome::EndProgram);
  EXPECT_EQ(actions_.calls, Calls({"untitled"}));
  EXPECT_EQ(ProcessExitCode(), kExitScriptNotLoaded);
}

TEST_F(StartupTest, HiddenRunThatCannotStartEndsWithFailureCode) {
  actions_.loadable = {"C:\\empty.zxm"};
  actions_.run_starts = false;
  EXPECT_EQ(Start("/r C:\\empty.zxm"), StartupOutcome::EndProgram);
  EXPECT_EQ(ProcessExitCode(), kExitScriptNotLoaded);
}

TEST_F(StartupTest, HiddenRunIgnoresAutoReload) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\AutoReload", 1);
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\recent.zxm");
  actions_.loadable = {"C:\\recent.zxm"};
  EXPECT_EQ(Start("/r"), StartupOutcome::EndProgram);
  EXPECT_EQ(actions_.calls, Calls({"untitled"}));
}

TEST_F(StartupTest, VisibleRunOfAMissingScriptLeavesAnUntitledEditor) {
  EXPECT_EQ(Start("/v C:\\missing.zxm"), StartupOutcome::RunMessageLoop);
  EXPECT_EQ(actions_.calls, Calls({"load C:\\missing.zxm", "untitled"}));
  EXPECT_FALSE(ExitCodeIsSet());
}

TEST_F(StartupTest, VisibleRunStartsTheRun) {
  actions_.loadable = {"C:\\a.zxm"};
  EXPECT_EQ(Start("/v C:\\a.zxm"), StartupOutcome::RunMessageLoop);
  EXPECT_EQ(actions_.calls, Calls({"load C:\\a.zxm", "run"}));
  actions_.calls.clear();
  actions_.run_starts = false;  // a refused visible run just leaves the editor
  EXPECT_EQ(Start("/v C:\\a.zxm"), StartupOutcome::RunMessageLoop);
  EXPECT_FALSE(ExitCodeIsSet());
}

TEST_F(StartupTest, EditAndPlainFileOpenWithoutRunning) {
  actions_.loadable = {"C:\\a.zxm"};
  Start("/e C:\\a.zxm");
  Start("C:\\a.zxm");
  EXPECT_EQ(actions_.calls, Calls({"load C:\\a.zxm", "load C:\\a.zxm"}));
}

TEST_F(StartupTest, VariablesAreStoredBeforeTheScriptLoads) {
  actions_.loadable = {"C:\\a.zxm"};
  Start("/r C:\\a.zxm %foo=\"New Value\" x=1");
  EXPECT_EQ(actions_.calls, Calls({"var foo=New Value", "var x=1", "load C:\\a.zxm", "run"}));
}

TEST_F(StartupTest, OnlyAssignmentsLeaveTheFirstSlotUntitled) {
  EXPECT_EQ(Start("%x=1"), StartupOutcome::RunMessageLoop);
  EXPECT_EQ(actions_.calls, Calls({"var x=1", "untitled"}));
}

TEST_F(StartupTest, HelpStoresNothingAndOpensAnEmptyEditor) {
  actions_.loadable = {"C:\\a.zxm"};
  EXPECT_EQ(Start("/r C:\\a.zxm x=1 /?"), StartupOutcome::RunMessageLoop);
  EXPECT_EQ(actions_.calls, Calls({"untitled"}));
}

TEST_F(StartupTest, AutoReloadOpensTheMostRecentFile) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\AutoReload", 1);
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\recent.zxm");
  actions_.loadable = {"C:\\recent.zxm"};
  EXPECT_EQ(Start(""), StartupOutcome::RunMessageLoop);
  EXPECT_EQ(actions_.calls, Calls({"load C:\\recent.zxm"}));
}

TEST_F(StartupTest, AutoReloadAlsoAfterCommandLineVariables) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\AutoReload", 1);
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\recent.zxm");
  actions_.loadable = {"C:\\recent.zxm"};
  Start("x=1");
  EXPECT_EQ(actions_.calls, Calls({"var x=1", "load C:\\recent.zxm"}));
}

TEST_F(StartupTest, AutoReloadSkipsMissingFilesAndIsOffByDefault) {
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\recent.zxm");
  actions_.loadable = {"C:\\recent.zxm"};
  Start("");
  EXPECT_EQ(actions_.calls, Calls({"untitled"}));

  actions_.calls.clear();
  WriteSettingNumber("SOFTWARE\\Zelomat\\AutoReload", 1);
  actions_.loadable.clear();
  Start("");
  EXPECT_EQ(actions_.calls, Calls({"untitled"}));  // the file is gone: not even tried

  actions_.calls.clear();
  actions_.existing = {"C:\\recent.zxm"};  // there, but the loader refuses it
  Start("");
  EXPECT_EQ(actions_.calls, Calls({"load C:\\recent.zxm", "untitled"}));
}

TEST_F(StartupTest, AutoReloadNotWhenTheCommandLineOpensSomething) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\AutoReload", 1);
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\recent.zxm");
  actions_.loadable = {"C:\\recent.zxm"};
  Start("/e");
  EXPECT_EQ(actions_.calls, Calls({"untitled"}));
}

TEST(CloseAfterRun, HiddenRunClosesOnlyWhenNoRepeatsRemain) {
  const uint32_t hidden = START_OPEN | START_RUN | START_HIDDEN;
  EXPECT_TRUE(ShouldCloseAfterRun(hidden, 0));
  EXPECT_TRUE(ShouldCloseAfterRun(hidden, -1));  // repeats finished
  EXPECT_FALSE(ShouldCloseAfterRun(hidden, 1));
  EXPECT_FALSE(ShouldCloseAfterRun(hidden, 2));
  EXPECT_FALSE(ShouldCloseAfterRun(hidden, kRepeatForever));
}

TEST(CloseAfterRun, VisibleRunsNeverClose) {
  EXPECT_FALSE(ShouldCloseAfterRun(START_OPEN | START_RUN, 0));
  EXPECT_FALSE(ShouldCloseAfterRun(0, -1));
}

class RunDecisionTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }
  MemorySettings store_;
};

TEST_F(RunDecisionTest, MinimiseAndRestoreNeverShowAHiddenWindow) {
  const uint32_t hidden = START_OPEN | START_RUN | START_HIDDEN;
  EXPECT_FALSE(ShouldMinimizeAtRunStart(0));
  EXPECT_FALSE(ShouldRestoreAfterRun(0));
  WriteSettingNumber("SOFTWARE\\Zelomat\\MinimizeStart", 1);
  WriteSettingNumber("SOFTWARE\\Zelomat\\ReturnWhenDone", 1);
  EXPECT_TRUE(ShouldMinimizeAtRunStart(START_OPEN | START_RUN));
  EXPECT_TRUE(ShouldRestoreAfterRun(START_OPEN | START_RUN));
  EXPECT_FALSE(ShouldMinimizeAtRunStart(hidden));
  EXPECT_FALSE(ShouldRestoreAfterRun(hidden));
}

TEST_F(RunDecisionTest, CommandLineVariablesSurviveResetAtRunStart) {
  EXPECT_FALSE(ShouldClearVariablesAtRunStart(0, false));
  WriteSettingNumber("SOFTWARE\\Zelomat\\ResetUserVariables", 1);
  EXPECT_TRUE(ShouldClearVariablesAtRunStart(START_OPEN, false));
  EXPECT_FALSE(ShouldClearVariablesAtRunStart(START_OPEN, true));
  EXPECT_FALSE(ShouldClearVariablesAtRunStart(START_VARIABLES, false));
}

TEST_F(RunDecisionTest, SplashOnlyWhenNotRunning) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\ShowSplash", 1);
  EXPECT_TRUE(ShouldShowSplash(START_OPEN));
  EXPECT_FALSE(ShouldShowSplash(START_OPEN | START_RUN));
  WriteSettingNumber("SOFTWARE\\Zelomat\\ShowSplash", 0);
  EXPECT_FALSE(ShouldShowSplash(0));
}

TEST_F(RunDecisionTest, FirstStartUntilTheCounterMoves) {
  EXPECT_TRUE(IsFirstStart());
  WriteSettingNumber("SOFTWARE\\Zelomat\\RunAtLeastOnce", 1);
  EXPECT_FALSE(IsFirstStart());
}

TEST(CommandLineVariablePath, SharedOrFirstTabOfThisWindow) {
  EXPECT_EQ(CommandLineVariablePath("foo", false, 1234), "SOFTWARE\\Zelomat\\UserVariables\\foo");
  EXPECT_EQ(CommandLineVariablePath("foo", true, 1234), "SOFTWARE\\Zelomat\\UserVariables\\1234_1\\foo");
}

}  // namespace
}  // namespace zelo
