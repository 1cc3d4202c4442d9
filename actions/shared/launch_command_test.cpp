// The launcher's attempts, its waiting and its results over a made-up system
// with its own clock.
#include "actions/shared/launch_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace zelo {
namespace {

constexpr uint32_t kNever = 0xFFFFFFFF;

// What a command line starts, if anything.
struct ProgramSpec {
  uint32_t ready_at = 0;       // ms after the start; kNever: never idle
  bool has_input = true;       // false: a console program
  uint32_t exits_at = kNever;  // ms after the start
  int32_t exit_code = 0;
  uint64_t window = 0;
};

class FakeLaunch : public LaunchSystem {
 public:
  std::map<std::string, ProgramSpec> programs;  // by exact command line
  std::map<std::string, std::string> resolved;
  std::map<std::string, std::string> executables;    // file -> program
  std::map<std::string, std::string> associations;  // type -> program
  bool shell_accepts = false;
  uint64_t foreground = 100;
  uint64_t foreground_after_shell = 100;
  std::vector<std::string> calls;
  uint32_t now = 1000;
  std::vector<std::string> hidden;

  class Process : public LaunchedProcess {
   public:
    Process(FakeLaunch& sys, ProgramSpec spec) : sys_(sys), spec_(spec), start_(sys.now) {}
    uint32_t Id() override { return 7; }
    Idle WaitForInputIdle(uint32_t ms) override {
      if (!spec_.has_input) return Idle::NoInput;
      const uint32_t age = sys_.now - start_;
      if (spec_.ready_at != kNever && age >= spec_.ready_at) return Idle::Ready;
      const uint32_t left = spec_.ready_at == kNever ? ms : std::min(ms, spec_.ready_at - age);
      sys_.now += left;
      return sys_.now - start_ >= spec_.ready_at ? Idle::Ready : Idle::Busy;
    }
    bool Ended(int32_t* code) override {
      if (spec_.exits_at == kNever || sys_.now - start_ < spec_.exits_at) return false;
      *code = spec_.exit_code;
      return true;
    }

   private:
    FakeLaunch& sys_;
    ProgramSpec spec_;
    uint32_t start_;
  };

  uint64_t ForegroundWindow() override { return foreground; }
  std::unique_ptr<LaunchedProcess> StartProcess(const std::string& command, const std::string* folder,
                                                 bool visible) override {
    calls.push_back("create " + command + " in " + (folder ? *folder : std::string("-")) +
                    (visible ? "" : " hidden"));
    auto it = programs.find(command);
    if (it == programs.end()) return nullptr;
    window_of_started = it->second.window;
    return std::make_unique<Process>(*this, it->second);
  }
  bool ResolvePath(std::string_view name, std::string* out) override {
    auto it = resolved.find(std::string(name));
    *out = it == resolved.end() ? std::string(name) : it->second;
    return it != resolved.end();
  }
  bool ExecutableFor(const std::string& file, std::string* program) override {
    calls.push_back("executable for " + file);
    auto it = executables.find(file);
    if (it == executables.end()) return false;
    *program = it->second;
    return true;
  }
  bool AssociationCommand(std::string_view type, const std::string& file, std::string* program) override {
    calls.push_back("association " + std::string(type) + " for " + file);
    auto it = associations.find(std::string(type));
    if (it == associations.end()) return false;
    *program = it->second;
    return true;
  }
  bool ShellOpen(const std::string& file, uint64_t owner, bool visible) override {
    calls.push_back("shell open " + file + (visible ? "" : " hidden"));
    if (shell_accepts) foreground = foreground_after_shell;
    return shell_accepts;
  }
  uint64_t WindowOfProcess(uint32_t) override { return window_of_started; }
  bool WindowVisible(uint64_t) override { return true; }
  void HideWindow(uint64_t window) override { hidden.push_back(std::to_string(window)); }
  void SetForegroundWindow(uint64_t window) override { foreground = window; }
  uint32_t Ticks() override { return now; }
  void Sleep(uint32_t ms) override { now += ms; }

  uint64_t window_of_started = 0;
};

class LaunchTest : public ::testing::Test {
 protected:
  int Launch(std::string_view command, bool visible = true, int32_t wait_ms = 0, const StopCheck& stop = {}) {
    const uint32_t start = sys.now;
    const int result = LaunchCommandWith(sys, command, visible, wait_ms, stop);
    took = sys.now - start;
    return result;
  }
  FakeLaunch sys;
  uint32_t took = 0;
};

TEST(LaunchParts, WorkCopyFolderTypeAndShellTarget) {
  EXPECT_EQ(QuotedWorkCopy("C:\\Program Files\\a.exe"), "\"C:\\Program Files\\a.exe\"");
  EXPECT_EQ(QuotedWorkCopy("\"C:\\a b\\a.exe\" x"), "\"C:\\a b\\a.exe\" x");

  std::string folder;
  EXPECT_TRUE(StartingFolder("\"C:\\Program Files\\a.exe\" -x", &folder));
  EXPECT_EQ(folder, "C:\\Program Files");
  EXPECT_TRUE(StartingFolder("C:\\a.exe", &folder));
  EXPECT_EQ(folder, "C:\\") << "a bare drive gets its backslash";
  EXPECT_TRUE(StartingFolder("C:\\Windows\\notepad.exe C:\\docs\\a.txt", &folder));
  EXPECT_EQ(folder, "C:\\Windows\\notepad.exe C:\\docs") << "the last backslash decides, also inside an argument";
  EXPECT_FALSE(StartingFolder("notepad.exe", &folder));
  EXPECT_EQ(folder, "");

  EXPECT_EQ(FileTypeOf("C:\\docs\\report.txt"), ".txt");
  EXPECT_EQ(FileTypeOf("a.verylongextension1234"), ".verylongexten");
  EXPECT_EQ(FileTypeOf("C:\\my.folder\\x"), ".folder\\x");
  EXPECT_EQ(FileTypeOf("noextension"), "");

  EXPECT_EQ(ShellOpenTarget("viewer.EXE C:\\a.pdf"), "C:\\a.pdf");
  EXPECT_EQ(ShellOpenTarget("C:\\a.pdf"), "C:\\a.pdf");
  EXPECT_EQ(ShellOpenTarget("viewer.exe"), "viewer.exe") << "only a program followed by a blank is dropped";
}

TEST_F(LaunchTest, AnEmptyCommandStartsNothing) {
  EXPECT_EQ(Launch(""), kLaunchFailed);
  EXPECT_TRUE(sys.calls.empty());
}

TEST_F(LaunchTest, AProgramPathStartsQuotedInItsOwnFolder) {
  sys.programs["\"C:\\WINDOWS\\notepad.exe\""] = {};
  EXPECT_EQ(Launch("C:\\WINDOWS\\notepad.exe"), kLaunchStarted);
  EXPECT_EQ(sys.calls, std::vector<std::string>{"create \"C:\\WINDOWS\\notepad.exe\" in C:\\WINDOWS"});
}

TEST_F(LaunchTest, AProgramWithArgumentsStartsOnTheSecondAttempt) {
  sys.resolved["notepad.exe C:\\a.txt"] = "notepad.exe C:\\a.txt";
  sys.programs["notepad.exe C:\\a.txt"] = {};
  EXPECT_EQ(Launch("notepad.exe C:\\a.txt"), kLaunchStarted);
  EXPECT_EQ(sys.calls, (std::vector<std::string>{"create \"notepad.exe C:\\a.txt\" in notepad.exe C:",
                                                 "create notepad.exe C:\\a.txt in -"}));
}

TEST_F(LaunchTest, ADocumentStartsThroughTheShellsProgramThenTheRegisteredOne) {
  sys.executables["C:\\d\\a b.txt"] = "C:\\Program Files\\ed.exe";
  sys.programs["\"C:\\Program Files\\ed.exe\" \"C:\\d\\a b.txt\""] = {};
  EXPECT_EQ(Launch("C:\\d\\a b.txt"), kLaunchStarted);
  EXPECT_EQ(sys.calls.back(), "create \"C:\\Program Files\\ed.exe\" \"C:\\d\\a b.txt\" in -");

  sys.calls.clear();
  sys.associations[".txt"] = "C:\\WINDOWS\\notepad.exe";
  sys.programs["C:\\WINDOWS\\notepad.exe C:\\d\\b.txt"] = {};
  EXPECT_EQ(Launch("C:\\d\\b.txt"), kLaunchStarted);
  EXPECT_EQ(sys.calls, (std::vector<std::string>{"create \"C:\\d\\b.txt\" in C:\\d", "executable for C:\\d\\b.txt",
                                                 "association .txt for C:\\d\\b.txt",
                                                 "create C:\\WINDOWS\\notepad.exe C:\\d\\b.txt in -"}));
}

TEST_F(LaunchTest, OnlyCapitalExeSkipsTheShellsProgram) {
  sys.shell_accepts = false;
  Launch("x.EXE");
  for (const std::string& c : sys.calls) EXPECT_NE(c.rfind("executable for", 0), 0u) << c;
  sys.calls.clear();
  Launch("x.exe");
  EXPECT_NE(std::find(sys.calls.begin(), sys.calls.end(), "executable for x.exe"), sys.calls.end());
}

TEST_F(LaunchTest, TheShellIsTheLastResortAndIsNeverWaitedFor) {
  sys.shell_accepts = true;
  EXPECT_EQ(Launch("viewer.exe C:\\a.pdf", true, -1), kLaunchStarted);
  EXPECT_EQ(sys.calls.back(), "shell open C:\\a.pdf");
  EXPECT_EQ(took, 0u);
  sys.shell_accepts = false;
  EXPECT_EQ(Launch("nothing"), kLaunchFailed);
}

TEST_F(LaunchTest, AHiddenShellStartHidesTheWindowThatCameToTheFront) {
  sys.shell_accepts = true;
  sys.foreground = 100;
  sys.foreground_after_shell = 555;
  EXPECT_EQ(Launch("C:\\a.pdf", false), kLaunchStarted);
  EXPECT_EQ(sys.calls.back(), "shell open C:\\a.pdf hidden");
  EXPECT_EQ(sys.hidden, std::vector<std::string>{"555"});
  EXPECT_EQ(sys.foreground, 100u) << "the front goes back to the window that had it";
  EXPECT_EQ(took, 2000u);
}

TEST_F(LaunchTest, WithoutWaitingItWaitsOnlyUntilTheProgramIsReady) {
  sys.programs["\"a.exe\""] = {300, true, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe"), kLaunchStarted);
  EXPECT_EQ(took, 300u);
  sys.programs["\"a.exe\""] = {kNever, true, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe"), kLaunchStarted);
  EXPECT_EQ(took, 5000u) << "a program that is never ready is given 5 s";
  sys.programs["\"a.exe\""] = {kNever, false, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe"), kLaunchStarted);
  EXPECT_EQ(took, 0u) << "a console program has no input to wait for";
}

TEST_F(LaunchTest, AHiddenStartHidesTheProgramsWindow) {
  sys.programs["\"a.exe\""] = {0, true, kNever, 0, 42};
  EXPECT_EQ(Launch("a.exe", false), kLaunchStarted);
  EXPECT_EQ(sys.calls.back(), "create \"a.exe\" in - hidden");
  EXPECT_EQ(sys.hidden, std::vector<std::string>{"42"});
  EXPECT_EQ(took, 100u);
}

TEST_F(LaunchTest, WaitingGivesTheExitCode) {
  sys.programs["\"a.exe\""] = {200, true, 1200, 7, 0};
  EXPECT_EQ(Launch("a.exe", true, -1), 7);
  EXPECT_GE(took, 1200u);
  EXPECT_LT(took, 1400u);
  sys.programs["\"a.exe\""] = {0, false, 0, -3, 0};
  EXPECT_EQ(Launch("a.exe", true, 1000), -3);
}

TEST_F(LaunchTest, TheLimitCountsFromReadinessWithHalfASecondToSpare) {
  sys.programs["\"a.exe\""] = {800, true, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe", true, 2000), kLaunchStillRunning);
  EXPECT_GE(took, 800u + 2500u);
  EXPECT_LT(took, 800u + 2500u + 100u);
  // A program that ends inside the slack still gives its code.
  sys.programs["\"a.exe\""] = {0, false, 2300, 5, 0};
  EXPECT_EQ(Launch("a.exe", true, 2000), 5);
}

TEST_F(LaunchTest, AReadinessWaitLongerThanFiveSecondsFollowsTheLimit) {
  sys.programs["\"a.exe\""] = {kNever, true, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe", true, 8000), kLaunchStillRunning);
  EXPECT_GE(took, 8000u + 8500u);
}

TEST_F(LaunchTest, TheStopCheckEndsEveryWait) {
  int asked = 0;
  const StopCheck stop_on_third = [&asked] { return ++asked >= 3; };
  sys.programs["\"a.exe\""] = {0, false, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe", true, -1, stop_on_third), kLaunchStopped);
  EXPECT_EQ(took, 200u);

  asked = 0;
  sys.programs["\"a.exe\""] = {kNever, true, kNever, 0, 0};
  EXPECT_EQ(Launch("a.exe", true, -1, stop_on_third), kLaunchStopped) << "a program never ready";
  EXPECT_EQ(took, 300u);

  asked = 0;
  EXPECT_EQ(Launch("a.exe", true, 0, stop_on_third), kLaunchStarted) << "without a wait the start stands";
}

TEST_F(LaunchTest, HugeLimitsDoNotWrapAround) {
  sys.programs["\"a.exe\""] = {0, false, 100000, 1, 0};
  EXPECT_EQ(Launch("a.exe", true, 0x7FFFFFFF), 1);
}

}  // namespace
}  // namespace zelo
