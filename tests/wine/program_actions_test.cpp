// "Run Program" steps in unattended runs of the real Zelomat.exe: starting
// Wine's own programs and the test programs (exit codes, starting folder,
// hidden starts, waiting and its time-out, "Single"), ending a process,
// services, "Call Script", and programs that are not there.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/system_error_win.h"
#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/test_programs_win.h"
#include "tests/wine/windows_win.h"

namespace zelo::test {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

struct ProgramStep {
  ProgramStep(std::string action_, std::string text_, std::string options_ = "", std::string timeout_ = "",
              std::string value1_ = "", std::string output_file_ = "")
      : action(std::move(action_)),
        text(std::move(text_)),
        options(std::move(options_)),
        timeout(std::move(timeout_)),
        value1(std::move(value1_)),
        output_file(std::move(output_file_)) {}

  std::string action;
  std::string text;
  std::string options;
  std::string timeout;
  std::string value1;
  std::string output_file;  // the step's result goes to this file

  std::string Xml() const {
    std::string xml = "<step>\r\n\t<action>" + action + "</action>\r\n\t<text>" + text + "</text>\r\n";
    if (!options.empty()) xml += "\t<options>" + options + "</options>\r\n";
    if (!value1.empty()) xml += "\t<value1>" + value1 + "</value1>\r\n";
    if (!timeout.empty()) xml += "\t<timeout>" + timeout + "</timeout>\r\n";
    if (!output_file.empty()) xml += "\t<output value=\"" + output_file + "\">File</output>\r\n";
    return xml + "</step>\r\n";
  }
};

class ProgramActionsTest : public ::testing::Test {
 protected:
  ProgramActionsTest()
      : default_code_("DefaultReturnCode", 0),
        log_level_("LogLevel", 0),
        restart_log_("RestartLog", 1),
        stop_key_("StopKey", VK_PAUSE) {}

  std::string WriteScript(const std::string& steps, const std::string& name = "programs.zxm") {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }
  std::string Output(const std::string& name = "out.txt") const {
    std::string text;
    return ReadTextFile(dir_.File(name), &text) ? text : "(no output)";
  }

  RunResult Run(const std::string& steps) {
    return RunProgram("/r " + Quoted(WriteScript(steps)), LogPath(), kGuiWaitMs);
  }

  // Runs the script, answers the "Run Failure" box of its failing step and
  // returns the box's text (empty when none came).
  std::string RunToFailure(const std::string& steps, DWORD* elapsed_ms = nullptr) {
    const DWORD start = GetTickCount();
    Process p = StartProgram("/r " + Quoted(WriteScript(steps)), LogPath());
    EXPECT_TRUE(p.valid());
    HWND box = WaitForProcessWindow(p.id(), L"#32770", kGuiWaitMs, L"Run Failure");
    if (elapsed_ms) *elapsed_ms = GetTickCount() - start;
    if (!box) return std::string();
    const std::wstring text = WaitForMessageBoxText(box, 5000);
    PressOk(box);
    DWORD code = 99;
    EXPECT_TRUE(p.Wait(kGuiWaitMs, &code)) << "the hidden program stayed behind";
    EXPECT_EQ(code, 1u) << "a failed run";
    std::string narrow(text.size(), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber default_code_, log_level_, restart_log_, stop_key_;
};

TEST_F(ProgramActionsTest, StartWaitsForTheExitCodeInTheProgramsOwnFolder) {
  const std::string exe = CopyTestProgram("exit_code.exe", dir_.path());
  ASSERT_FALSE(exe.empty());
  const std::string command = Quoted(exe) + " 7 0 record.txt";
  RunResult r = Run(ProgramStep{"Start", command, "Wait For Exit", "", "", dir_.File("out.txt")}.Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(Output(), "7");
  EXPECT_NE(r.log.find("\tTranslated run buffer: [" + command + "]\r\n"), std::string::npos) << r.log;
  std::string record;
  ASSERT_TRUE(ReadTextFile(dir_.File("record.txt"), &record)) << "the program did not start in its own folder";
  EXPECT_EQ(record.substr(0, record.find("\r\n")), dir_.path());
  EXPECT_NE(r.log.find("Run Completed"), std::string::npos);
}

TEST_F(ProgramActionsTest, ABareNameIsFoundBesideTheScript) {
  const std::string exe = CopyTestProgram("exit_code.exe", dir_.path());
  ASSERT_FALSE(exe.empty());
  RunResult r = Run(ProgramStep{"Launch Document", "exit_code.exe", "Wait For Exit", "", "", dir_.File("out.txt")}.Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("\tTranslated run buffer: [" + exe + "]\r\n"), std::string::npos) << r.log;
  EXPECT_EQ(Output(), "0");
}

TEST_F(ProgramActionsTest, WinesCommandInterpreterRunsACommandLine) {
  // Unquoted arguments: the first attempt fails, the second starts it.
  RunResult r = Run(ProgramStep{"MS-DOS Command", "cmd.exe /c exit 5", "Hidden,Wait For Exit", "30", "",
                                dir_.File("out.txt")}
                        .Xml() +
                    ProgramStep{"Start", "cmd.exe /c exit 3", "Hidden", "", "", dir_.File("started.txt")}.Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(Output(), "5");
  EXPECT_EQ(Output("started.txt"), "1") << "a start without waiting saves 1";
}

TEST_F(ProgramActionsTest, NotepadIsStartedByItsBareNameAndKilledAgain) {
  EndNewProcesses cleanup("notepad.exe");
  RunResult r = Run(ProgramStep{"Start", "notepad.exe", "", "", "", dir_.File("out.txt")}.Xml() +
                    ProgramStep{"Kill Process", "notepad.exe"}.Xml());
  ASSERT_TRUE(r.finished);
  const std::string translated = "\tTranslated run buffer: [";
  const size_t at = r.log.find(translated);
  ASSERT_NE(at, std::string::npos) << r.log;
  const std::string full = r.log.substr(at + translated.size(), r.log.find(']', at) - at - translated.size());
  EXPECT_NE(full.find(":\\"), std::string::npos) << "not a full path: " << full;
  EXPECT_EQ(Output(), "1");
  EXPECT_NE(r.log.find("Run Completed"), std::string::npos) << r.log;
  EXPECT_TRUE(WaitForProcessCount("notepad.exe", 0, 10000)) << "the started copy was not ended";
}

// A document type whose registered program is the titled-window program:
// the window's title shows the document it was given. Removed on scope exit.
class RegisteredDocumentType {
 public:
  RegisteredDocumentType() {
    const std::wstring command = L"\"" + Wide(TestProgramPath("titled_window.exe")) + L"\" \"%1\"";
    ok_ = SetDefault(L".zelodoc", L"ZeloTestDocument") &&
          SetDefault(L"ZeloTestDocument\\shell\\open\\command", command);
  }
  ~RegisteredDocumentType() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".zelodoc");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L".zelodoc");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ZeloTestDocument");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"ZeloTestDocument");
  }
  RegisteredDocumentType(const RegisteredDocumentType&) = delete;
  RegisteredDocumentType& operator=(const RegisteredDocumentType&) = delete;
  bool ok() const { return ok_; }

 private:
  static bool SetDefault(const wchar_t* key_path, const std::wstring& value) {
    const RegistryKey key = CreateRegistryKey(HKEY_CLASSES_ROOT, key_path, KEY_SET_VALUE);
    return key && RegSetValueExW(key.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  bool ok_ = false;
};

TEST_F(ProgramActionsTest, ADocumentOpensInItsRegisteredProgram) {
  EndNewProcesses cleanup("titled_window.exe");
  RegisteredDocumentType type;
  ASSERT_TRUE(type.ok());
  const std::string document = dir_.File("letter.zelodoc");
  ASSERT_TRUE(WriteTextFile(document, "hello\r\n"));
  RunResult r = Run(ProgramStep{"Launch Document", document}.Xml());
  ASSERT_TRUE(r.finished) << r.log;
  EXPECT_NE(r.log.find("Run Completed"), std::string::npos) << r.log;
  EXPECT_NE(WaitForTitledWindow(Wide(Quoted(document)), kGuiWaitMs), nullptr)
      << "the registered program did not get the document";
}

TEST_F(ProgramActionsTest, ATimeoutStopsWaitingAndLeavesTheProgramRunning) {
  EndNewProcesses cleanup("never_exits.exe");
  const std::string steps =
      ProgramStep{"Start", TestProgramPath("never_exits.exe"), "Hidden,Wait For Exit", "1", "", dir_.File("out.txt")}
          .Xml();
  DWORD elapsed = 0;
  EXPECT_EQ(RunToFailure(steps, &elapsed), "Program still running after timeout limit of 1 seconds");
  EXPECT_GE(elapsed, 1400u);
  EXPECT_LT(elapsed, 1500u + kGuiWaitMs / 3);
  EXPECT_EQ(ProcessesNamed("never_exits.exe").size(), 1u) << "the program must keep running";
  EXPECT_EQ(Output(), "(no output)");
}

TEST_F(ProgramActionsTest, TheStopKeyEndsAWaitWithoutLimit) {
  EndNewProcesses cleanup("never_exits.exe");
  const std::string script = WriteScript(
      ProgramStep{"Start", TestProgramPath("never_exits.exe"), "Hidden,Wait For Exit"}.Xml() +
      StepXml("Comment", "after"));
  Process p = StartProgram("/r " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  ASSERT_TRUE(WaitForLogText(LogPath(), "Translated run buffer", kGuiWaitMs));
  ASSERT_TRUE(WaitForProcessCount("never_exits.exe", 1, 10000));
  // The program is started; its wait may not poll the key yet. A tap counts
  // at the next poll, and tapping again until the program ends covers a tap
  // that fell between two polls.
  DWORD code = 99;
  bool ended = false;
  for (DWORD waited = 0; !ended && waited < 10000; waited += 250) {
    keybd_event(VK_PAUSE, 0, 0, 0);
    keybd_event(VK_PAUSE, 0, KEYEVENTF_KEYUP, 0);
    ended = p.Wait(250, &code);
  }
  ASSERT_TRUE(ended) << "the wait did not end";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("Stop request: aborting run at [STEP 1]"), std::string::npos) << log;
  EXPECT_EQ(log.find("[STEP 2]"), std::string::npos);
}

TEST_F(ProgramActionsTest, AHiddenStartHidesTheWindowAndAVisibleOneShowsIt) {
  EndNewProcesses cleanup("titled_window.exe");
  const std::string program = Quoted(TestProgramPath("titled_window.exe"));
  RunResult r = Run(ProgramStep{"Start", program + " Zelo hidden window", "Hidden"}.Xml() +
                    ProgramStep{"Start", program + " Zelo shown window"}.Xml());
  ASSERT_TRUE(r.finished);
  HWND hidden = WaitForTitledWindow(L"Zelo hidden window", kGuiWaitMs);
  HWND shown = WaitForTitledWindow(L"Zelo shown window", kGuiWaitMs);
  ASSERT_NE(hidden, nullptr);
  ASSERT_NE(shown, nullptr);
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_TRUE(IsWindowVisible(shown));
}

TEST_F(ProgramActionsTest, SingleActivatesTheRunningCopyInsteadOfStartingAnother) {
  EndNewProcesses cleanup("titled_window.exe");
  Process running = Process::Start(Wide(TestProgramPath("titled_window.exe")), L"Zelo single window");
  ASSERT_TRUE(running.valid());
  HWND window = WaitForTitledWindow(L"Zelo single window", kGuiWaitMs);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);

  RunResult r = Run(
      ProgramStep{"Start", TestProgramPath("titled_window.exe"), "Single,Wait For Exit", "", "", dir_.File("out.txt")}
          .Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(ProcessesNamed("titled_window.exe").size(), 1u) << "a second copy was started";
  EXPECT_FALSE(IsIconic(window)) << "the running copy was not brought back";
  EXPECT_EQ(GetForegroundWindow(), window);
  EXPECT_EQ(Output(), "(no output)") << "activating saves nothing";
}

TEST_F(ProgramActionsTest, SingleStartsTheProgramWhenNoCopyRuns) {
  EndNewProcesses cleanup("titled_window.exe");
  ASSERT_TRUE(ProcessesNamed("titled_window.exe").empty());
  RunResult r = Run(ProgramStep{"Start", TestProgramPath("titled_window.exe"), "Single"}.Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_TRUE(WaitForProcessCount("titled_window.exe", 1, 10000));
}

TEST_F(ProgramActionsTest, KillProcessEndsTheProcessNamedByAnyPath) {
  EndNewProcesses cleanup("never_exits.exe");
  Process victim = Process::Start(Wide(TestProgramPath("never_exits.exe")), L"");
  ASSERT_TRUE(victim.valid());
  RunResult r = Run(ProgramStep{"Kill Process", "C:\\nowhere\\NEVER_EXITS.EXE"}.Xml());
  ASSERT_TRUE(r.finished);
  DWORD code = 99;
  ASSERT_TRUE(victim.Wait(10000, &code)) << "the process was not ended\n" << r.log;
  EXPECT_EQ(code, 0u);
}

TEST_F(ProgramActionsTest, KillProcessWithoutSuchAProcessFails) {
  EXPECT_EQ(RunToFailure(ProgramStep{"Kill Process", "C:\\nowhere\\no_such_program.exe"}.Xml()),
            "Unable to find process 'C:\\nowhere\\no_such_program.exe'");
}

TEST_F(ProgramActionsTest, AMissingProgramFailsSayingWhich) {
  EXPECT_EQ(RunToFailure(ProgramStep{"Start", "C:\\nowhere\\missing_program.exe", "Wait For Exit"}.Xml()),
            "Unable to start 'C:\\nowhere\\missing_program.exe'");
  EXPECT_EQ(RunToFailure(ProgramStep{"Start", ""}.Xml()), "No program name or command line provided");
}

TEST_F(ProgramActionsTest, CallScriptReturnsTheChildsExitCode) {
  // Parent and child read the same DefaultReturnCode; the child's code is
  // what the step saves: its default when it completed, 1 when it failed.
  ScopedZelomatNumber code("DefaultReturnCode", 4);
  WriteScript(StepXml("Comment", "child"), "child.zxm");
  WriteScript("<step>\r\n\t<action>Goto Label</action>\r\n\t<text>nowhere</text>\r\n"
              "\t<onfail value=\"\" image=\"0\" log=\"0\">Stop Silently</onfail>\r\n</step>\r\n",
              "failing child.zxm");
  RunResult r = Run(ProgramStep{"Call Script", "child.zxm", "Wait For Exit", "", "", dir_.File("out.txt")}.Xml() +
                    ProgramStep{"Call Script", "failing child.zxm", "Wait For Exit", "", "", dir_.File("failed.txt")}
                        .Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(Output(), "4");
  EXPECT_EQ(Output("failed.txt"), "1");
  EXPECT_EQ(r.exit_code, 4u) << "the parent completed";
}

TEST_F(ProgramActionsTest, CallScriptTimesOutOnAChildThatDoesNotEnd) {
  EndNewProcesses programs("never_exits.exe");
  EndNewProcesses children("Zelomat.exe");
  WriteScript(ProgramStep{"Start", TestProgramPath("never_exits.exe"), "Hidden,Wait For Exit"}.Xml(), "child.zxm");
  EXPECT_EQ(RunToFailure(ProgramStep{"Call Script", "child.zxm", "Wait For Exit", "2"}.Xml()),
            "Program still running after timeout limit of 2 seconds");
}

class ServiceActionsTest : public ProgramActionsTest {
 protected:
  ServiceActionsTest() : name_(UniqueName()), service_(name_) {}

  // Each test installs a service of its own: one removed by an earlier test
  // may linger, marked for deletion, until the service manager lets it go.
  static std::string UniqueName() {
    static int count = 0;
    return "ZeloTestService" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count);
  }

  std::string name_;
  InstalledTestService service_;
};

TEST_F(ServiceActionsTest, StartAndStopTheService) {
  ASSERT_TRUE(service_.installed());
  ASSERT_EQ(service_.State(), static_cast<DWORD>(SERVICE_STOPPED));
  RunResult r = Run(ProgramStep{"Start Service", name_}.Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("Run Completed"), std::string::npos) << r.log;
  EXPECT_TRUE(service_.WaitForState(SERVICE_RUNNING, 10000));

  r = Run(ProgramStep{"Stop Service", name_}.Xml());
  ASSERT_TRUE(r.finished);
  EXPECT_NE(r.log.find("Run Completed"), std::string::npos) << r.log;
  EXPECT_TRUE(service_.WaitForState(SERVICE_STOPPED, 10000));
}

TEST_F(ServiceActionsTest, StartupTypeTakesEachChoice) {
  ASSERT_TRUE(service_.installed());
  const struct {
    const char* word;
    long type;
  } kChoices[] = {{"Automatic", SERVICE_AUTO_START}, {"Disabled", SERVICE_DISABLED}, {"Manual", SERVICE_DEMAND_START}};
  for (const auto& choice : kChoices) {
    RunResult r = Run(ProgramStep{"Service Startup Type", name_, "", "", choice.word}.Xml());
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(service_.StartType(), choice.type) << choice.word;
  }
}

TEST_F(ServiceActionsTest, FailuresShowTheSystemsText) {
  ASSERT_TRUE(service_.installed());
  EXPECT_EQ(RunToFailure(ProgramStep{"Service Startup Type", name_, "", "", "Sometimes"}.Xml()),
            SystemErrorText(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(service_.StartType(), static_cast<long>(SERVICE_DEMAND_START));
  EXPECT_EQ(RunToFailure(ProgramStep{"Start Service", "ZeloNoSuchService"}.Xml()),
            SystemErrorText(ERROR_SERVICE_DOES_NOT_EXIST));
  EXPECT_EQ(RunToFailure(ProgramStep{"Stop Service", name_}.Xml()), SystemErrorText(ERROR_SERVICE_NOT_ACTIVE));
}

}  // namespace
}  // namespace zelo::test
