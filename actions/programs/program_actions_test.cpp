// The "Run Program" category: which branch an action takes, the option
// words and time-out, and the handler inside a run over a made-up system.
#include "actions/programs/program_actions.h"

#include <gtest/gtest.h>

#include <map>

#include "actions/action_handlers.h"
#include "base/text.h"
#include "engine/run_test_fixture.h"
#include "actions/functions/text_functions.h"
#include "model/catalogue.h"

namespace zelo {
namespace {

TEST(ProgramActionWords, EveryCatalogueActionHasItsBranch) {
  EXPECT_EQ(ClassifyProgramAction("Start"), ProgramAction::Start);
  EXPECT_EQ(ClassifyProgramAction("Launch Document"), ProgramAction::Start);
  EXPECT_EQ(ClassifyProgramAction("MS-DOS Command"), ProgramAction::Start);
  EXPECT_EQ(ClassifyProgramAction("Control Panel: System"), ProgramAction::Start);
  EXPECT_EQ(ClassifyProgramAction("Kill Process"), ProgramAction::Kill);
  EXPECT_EQ(ClassifyProgramAction("Start Service"), ProgramAction::StartService);
  EXPECT_EQ(ClassifyProgramAction("Stop Service"), ProgramAction::StopService);
  EXPECT_EQ(ClassifyProgramAction("Service Startup Type"), ProgramAction::ServiceStartupType);
  EXPECT_EQ(ClassifyProgramAction("Call Script"), ProgramAction::CallScript);
}

TEST(ProgramActionWords, TheOrderOfTheWordsDecides) {
  EXPECT_EQ(ClassifyProgramAction("kill service"), ProgramAction::Kill);
  EXPECT_EQ(ClassifyProgramAction("SERVICE startup"), ProgramAction::ServiceStartupType);
  EXPECT_EQ(ClassifyProgramAction("Pause Service"), ProgramAction::StopService) << "a service word without a verb";
  EXPECT_EQ(ClassifyProgramAction("Call Script Service"), ProgramAction::StopService);
  EXPECT_EQ(ClassifyProgramAction("anything"), ProgramAction::Start);
}

TEST(StartOptionWords, CaseInsensitiveSubstrings) {
  StartOptions o = ParseStartOptions("Single,Hidden,Wait For Exit");
  EXPECT_TRUE(o.single && o.hidden && o.wait);
  o = ParseStartOptions("run HIDDEN");
  EXPECT_TRUE(o.hidden);
  EXPECT_FALSE(o.single || o.wait);
  o = ParseStartOptions("");
  EXPECT_FALSE(o.single || o.hidden || o.wait);
}

TEST(StartupTypeWords, TheFirstKnownWordInOrder) {
  EXPECT_EQ(ParseStartupType("Automatic"), StartupType::Automatic);
  EXPECT_EQ(ParseStartupType("manual"), StartupType::Manual);
  EXPECT_EQ(ParseStartupType("Disabled"), StartupType::Disabled);
  EXPECT_EQ(ParseStartupType("Manual or Automatic"), StartupType::Automatic);
  EXPECT_EQ(ParseStartupType("Boot"), StartupType::Unknown);
  EXPECT_EQ(ParseStartupType(""), StartupType::Unknown);
}

TEST(WaitLimit, SecondsWithFractionsAndNoLimitForNothing) {
  EXPECT_EQ(WaitLimitMs("2"), 2000);
  EXPECT_EQ(WaitLimitMs("2.5"), 2500);
  EXPECT_EQ(WaitLimitMs("0"), -1);
  EXPECT_EQ(WaitLimitMs(""), -1);
  EXPECT_EQ(WaitLimitMs("abc"), -1);
  EXPECT_EQ(WaitLimitMs(" 5"), -1) << "a leading blank is not a number";
  EXPECT_EQ(WaitLimitMs("-3"), -1);
  EXPECT_EQ(WaitLimitMs("0.0001"), 1) << "a tiny limit must not become \"do not wait\"";
  EXPECT_EQ(WaitLimitMs("99999999"), 0x7FFFFFFF) << "too long for 32 bits: the longest limit";
}

TEST(CallScriptCommandLine, TheProgramItselfWithSlashRAndTheQuotedScript) {
  EXPECT_EQ(CallScriptCommand("C:\\Z\\Zelomat.exe", "C:\\s\\a.zxm"), "\"C:\\Z\\Zelomat.exe\" /r \"C:\\s\\a.zxm\"");
  EXPECT_EQ(CallScriptCommand("C:\\Z\\Zelomat.exe", "\"C:\\s\\a b.zxm\""),
            "\"C:\\Z\\Zelomat.exe\" /r \"C:\\s\\a b.zxm\"");
  EXPECT_EQ(CallScriptCommand("Z.exe", "\"a.zxm"), "\"Z.exe\" /r \"a.zxm\"");
  EXPECT_EQ(CallScriptCommand("Z.exe", "a.zxm\""), "\"Z.exe\" /r \"a.zxm\"");
}

// Records what the handler asks of the programs platform, the path search
// and the launcher; answers are set by each test.
class FakePlatform : public ProgramPlatform {
 public:
  std::map<std::string, std::string> paths;
  int launch_result = kLaunchStarted;
  bool launch_waits_for_stop = false;
  int running_copies = 0;          // processes seen by the window search
  uint64_t running_window = 0;     // on the first try
  uint64_t second_try_window = 0;  // on the second try
  int killable_first = 0, killable_second = 0;
  bool kill_ends = true;
  bool service_ok = true;
  std::vector<std::string> calls;

  bool ResolvePath(std::string_view name, std::string* out, std::string_view script_path) {
    calls.push_back("resolve " + std::string(name) + " beside " + std::string(script_path));
    auto it = paths.find(std::string(name));
    *out = it == paths.end() ? std::string(name) : it->second;
    return it != paths.end();
  }
  int LaunchCommand(std::string_view command, bool visible, int32_t wait_ms, const StopCheck& stop) {
    calls.push_back("launch " + std::string(command) + (visible ? "" : " hidden") + " wait " +
                    std::to_string(wait_ms));
    if (launch_waits_for_stop) {
      for (int i = 0; i < 1000; ++i)
        if (stop()) return kLaunchStopped;
      return kLaunchStillRunning;
    }
    return launch_result;
  }
  int FindProcessWindow(std::string_view name, bool second_try, uint64_t* window) override {
    calls.push_back(std::string("find window ") + std::string(name) + (second_try ? " again" : ""));
    *window = second_try ? second_try_window : running_window;
    return second_try ? 1 : running_copies;
  }
  int EndProcess(std::string_view name, bool second_try, bool* ended, std::string* error) override {
    calls.push_back(std::string("end ") + std::string(name) + (second_try ? " again" : ""));
    *ended = kill_ends;
    if (!kill_ends) *error = "Access is denied.";
    return second_try ? killable_second : killable_first;
  }
  bool ActivateWindow(uint64_t window) override {
    calls.push_back("activate " + std::to_string(window));
    return true;
  }
  bool ControlService(std::string_view name, ServiceRequest request, StartupType type, std::string* error) override {
    static const char* const kRequests[] = {"start", "stop", "startup"};
    calls.push_back(std::string("service ") + kRequests[static_cast<int>(request)] + " " + std::string(name) + " " +
                    std::to_string(static_cast<int>(type)));
    if (!service_ok) *error = "The specified service does not exist as an installed service.\r\n";
    return service_ok;
  }
  std::string ProgramPath() override { return "C:\\Z\\Zelomat.exe"; }
};

class ProgramStepTest : public test::HandlerRunTest {
 protected:
  ProgramStepTest() {
    current() = &platform;
    services.expand = &Expand;
    services.save = &Save;
    services.resolve_path = [](std::string_view name, std::string* out, std::string_view script_path) {
      return current()->ResolvePath(name, out, script_path);
    };
    services.launch = [](std::string_view command, bool visible, int32_t wait_ms, const StopCheck& stop) {
      return current()->LaunchCommand(command, visible, wait_ms, stop);
    };
    services.programs = &platform;
    InstallActionHandlers(engine.handlers(), services);
  }

  StepRecord& AddProgramStep(std::string_view action, std::string_view text, std::string_view options = "",
                             std::string_view timeout = "") {
    StepRecord& step = AddStep(action, CAT_RUN_PROGRAM);
    step.text.Assign(text);
    step.options = options;
    step.timeout = timeout;
    return step;
  }

  FakePlatform platform;
  ActionServices services;

 private:
  static FakePlatform*& current() {
    static FakePlatform* platform = nullptr;
    return platform;
  }
  // Stands for substitution: "%p%" becomes "prog.exe", "%t%" becomes "2".
  static std::string Expand(std::string_view field, int, int) {
    std::string out = ReplaceText(field, "%p%", "prog.exe", true, false);
    return ReplaceText(out, "%t%", "2", true, false);
  }
};

TEST_F(ProgramStepTest, StartResolvesLogsOnceLaunchesAndSavesOne) {
  ws.slots[0].file_name = "C:\\s\\a.zxm";
  platform.paths["prog.exe"] = "C:\\bin\\prog.exe";
  AddProgramStep("Start", "%p%");
  RunAndWait();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"resolve prog.exe beside C:\\s\\a.zxm",
                                                      "launch C:\\bin\\prog.exe wait 0"}));
  EXPECT_EQ(saved(), std::vector<std::string>{"0:1"});
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_NE(Log().find("[STEP 1]: Start \"%p%\"\r\n\tTranslated run buffer: [C:\\bin\\prog.exe]\r\n"),
            std::string::npos)
      << Log();
}

TEST_F(ProgramStepTest, TheTranslationIsLoggedOnlyOnTheFirstExecution) {
  ws.slots[0].file_name = kUntitled;
  AddProgramStep("Start", "a.exe");
  RunAndWait();
  RunAndWait();
  EXPECT_EQ(test::Occurrences(Log(), "Translated run buffer: [a.exe]"), 2) << "each run counts anew";
  EXPECT_EQ(platform.calls[0], "resolve a.exe beside ") << "an untitled script adds no folder";
}

TEST_F(ProgramStepTest, AnEmptyProgramFailsWithItsText) {
  AddProgramStep("Launch Document", "");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"No program name or command line provided"});
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_TRUE(saved().empty());
}

TEST_F(ProgramStepTest, WaitingUsesTheExpandedTimeoutAndSavesTheExitCode) {
  platform.launch_result = -5;
  AddProgramStep("Start", "a.exe", "Hidden,Wait For Exit", "%t%");
  AddProgramStep("Start", "b.exe", "Wait For Exit", "");
  RunAndWait();
  EXPECT_EQ(platform.calls[1], "launch a.exe hidden wait 2000");
  EXPECT_EQ(platform.calls[3], "launch b.exe wait -1") << "no time-out waits without limit";
  EXPECT_EQ(saved(), (std::vector<std::string>{"0:-5", "1:-5"}));
}

TEST_F(ProgramStepTest, ATimeoutFailsWithTheFieldAsStored) {
  platform.launch_result = kLaunchStillRunning;
  AddProgramStep("Start", "a.exe", "Wait For Exit", "%t%");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"Program still running after timeout limit of %t% seconds"});
  EXPECT_TRUE(saved().empty());
}

TEST_F(ProgramStepTest, AProgramThatCannotBeStartedFailsSayingWhich) {
  platform.launch_result = kLaunchFailed;
  AddProgramStep("Start", "nothing.exe -x");
  RunAndWait();
  EXPECT_EQ(errors(), std::vector<std::string>{"Unable to start 'nothing.exe -x'"});
  EXPECT_TRUE(saved().empty());
}

TEST_F(ProgramStepTest, TheStopKeyEndsAWaitAndTheRun) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\StopKey", 27);
  platform.launch_waits_for_stop = true;
  AddProgramStep("Start", "a.exe", "Wait For Exit");
  AddProgramStep("Start", "b.exe");
  input.Press(27);
  RunAndWait();
  EXPECT_TRUE(engine.stop_requested());
  EXPECT_NE(Log().find("Stop request: aborting run at [STEP 1]"), std::string::npos) << Log();
  EXPECT_EQ(platform.calls.size(), 2u) << "the second step never ran";
  EXPECT_TRUE(saved().empty());
}

TEST_F(ProgramStepTest, SingleActivatesARunningCopyInsteadOfStarting) {
  platform.paths["notepad.exe"] = "C:\\W\\notepad.exe";
  platform.running_copies = 40;
  platform.running_window = 77;
  AddProgramStep("Start", "notepad.exe", "Single,Wait For Exit");
  RunAndWait();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"resolve notepad.exe beside ", "find window C:\\W\\notepad.exe", "activate 77"}));
  EXPECT_TRUE(saved().empty()) << "activating saves nothing";
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
}

TEST_F(ProgramStepTest, SingleTriesAgainOnlyWhenNoProcessWasSeen) {
  platform.running_copies = 40;  // processes seen, none with a window
  platform.second_try_window = 5;
  AddProgramStep("Start", "a.exe", "Single");
  RunAndWait();
  EXPECT_EQ(platform.calls[1], "find window a.exe");
  EXPECT_EQ(platform.calls[2], "launch a.exe wait 0");
  EXPECT_EQ(saved(), std::vector<std::string>{"0:1"});

  platform.calls.clear();
  platform.running_copies = 0;  // the snapshot failed: the second try finds the window
  RunAndWait();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"resolve a.exe beside ", "find window a.exe",
                                                      "find window a.exe again", "activate 5"}));
}

TEST_F(ProgramStepTest, CallScriptRunsTheProgramItselfAndAlwaysWaits) {
  ws.slots[0].file_name = "C:\\s\\main.zxm";
  platform.paths["child.zxm"] = "C:\\s\\child.zxm";
  platform.launch_result = 3;
  AddProgramStep("Call Script", "child.zxm", "Single,Hidden", "%t%");
  RunAndWait();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{
                                "resolve child.zxm beside C:\\s\\main.zxm",
                                "launch \"C:\\Z\\Zelomat.exe\" /r \"C:\\s\\child.zxm\" hidden wait 2000"}))
      << "\"Single\" does not apply to scripts";
  EXPECT_NE(Log().find("\tTranslated run buffer: [\"C:\\Z\\Zelomat.exe\" /r \"C:\\s\\child.zxm\"]\r\n"),
            std::string::npos);
  EXPECT_EQ(saved(), std::vector<std::string>{"0:3"});
}

TEST_F(ProgramStepTest, KillEndsTheFirstMatchTryingTwice) {
  platform.killable_first = 12;
  AddProgramStep("Kill Process", "C:\\W\\%p%");
  RunAndWait();
  EXPECT_EQ(platform.calls, std::vector<std::string>{"end C:\\W\\prog.exe"});
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);

  platform.calls.clear();
  platform.killable_first = 0;
  platform.killable_second = 3;
  RunAndWait();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"end C:\\W\\prog.exe", "end C:\\W\\prog.exe again"}));
  EXPECT_TRUE(errors().empty());
  EXPECT_TRUE(saved().empty());
}

TEST_F(ProgramStepTest, KillFailsForNoProcessAndForOneThatWouldNotEnd) {
  AddProgramStep("Kill Process", "C:\\W\\%p%");
  RunAndWait();
  platform.killable_first = 2;
  platform.kill_ends = false;
  RunAndWait();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Unable to find process 'C:\\W\\prog.exe'",
                                                "Unable to end process 'C:\\W\\prog.exe': Access is denied."}));
}

TEST_F(ProgramStepTest, ServiceActionsPassTheirRequestAndFailWithTheSystemsText) {
  AddProgramStep("Start Service", "Spooler");
  AddProgramStep("Stop Service", "Spooler");
  AddProgramStep("Service Startup Type", "Spooler").value(1) = "Manual";
  AddProgramStep("Service Startup Type", "Spooler").value(1) = "Sometimes";
  RunAndWait();
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"service start Spooler 3", "service stop Spooler 3",
                                                      "service startup Spooler 1", "service startup Spooler 3"}));
  EXPECT_TRUE(errors().empty());

  platform.service_ok = false;
  RunAndWait();
  ASSERT_EQ(errors().size(), 4u);
  EXPECT_EQ(errors()[0], "The specified service does not exist as an installed service.\r\n");
  EXPECT_TRUE(saved().empty());
}

TEST(ProgramHandlerInstall, TheProgramInstallsTheCategory) {
  HandlerTable table;
  InstallActionHandlers(table);
  EXPECT_EQ(table.Get(CAT_RUN_PROGRAM), &RunProgramStep);
}

}  // namespace
}  // namespace zelo
