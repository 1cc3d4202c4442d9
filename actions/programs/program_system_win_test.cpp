// The shared program routines on the real system (under Wine in the test
// runs): path search, launching and waiting, the process list, registered
// programs and the service manager's errors.
#include <windows.h>

#include <gtest/gtest.h>

#include "actions/shared/association_command.h"
#include "actions/shared/launch_command.h"
#include "actions/shared/path_search.h"
#include "actions/shared/process_list.h"
#include "actions/programs/program_platform.h"
#include "actions/programs/registered_programs_win.h"
#include "base/text.h"

namespace zelo {
namespace {

std::string WindowsFolder() {
  char buf[MAX_PATH];
  const UINT n = GetWindowsDirectoryA(buf, MAX_PATH);
  return std::string(buf, n);
}

TEST(SystemPrograms, NotepadIsFoundByItsBareName) {
  std::string path;
  ASSERT_TRUE(ResolvePath("notepad.exe", &path));
  EXPECT_TRUE(EqualsNoCase(path.substr(path.rfind('\\') + 1), "notepad.exe")) << path;
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;

  EXPECT_FALSE(ResolvePath("no_such_program_here.exe", &path));
  EXPECT_EQ(path, "no_such_program_here.exe");
  const std::string full = WindowsFolder();
  EXPECT_TRUE(ResolvePath(full + "\\notepad.exe", &path) || path == full + "\\notepad.exe");
}

TEST(SystemPrograms, OwnProgramPathIsThisExecutable) {
  const std::string path = OwnProgramPath();
  EXPECT_TRUE(EqualsNoCase(path.substr(path.rfind('\\') + 1), "core_tests.exe")) << path;
}

TEST(SystemPrograms, LaunchWaitsForTheExitCodeOfACommandLine) {
  EXPECT_EQ(LaunchCommand("cmd.exe /c exit 9", false, -1), 9);
  EXPECT_EQ(LaunchCommand("cmd.exe /c exit 4", false, 20000), 4);
  EXPECT_EQ(LaunchCommand("C:\\nowhere\\missing_program.exe", false, -1), kLaunchFailed);
}

TEST(SystemPrograms, ALimitEndsTheWaitAndTheStopCheckToo) {
  const DWORD start = GetTickCount();
  EXPECT_EQ(LaunchCommand("notepad.exe", false, 300), kLaunchStillRunning);
  const DWORD took = GetTickCount() - start;
  EXPECT_GE(took, 750u);
  EXPECT_LT(took, 10000u);

  int asked = 0;
  EXPECT_EQ(LaunchCommand("notepad.exe", false, -1, [&asked] { return ++asked > 2; }), kLaunchStopped);
  // Both copies still run; each end takes the first one found.
  EXPECT_GT(EnumProcesses("notepad.exe", kEndProcess, nullptr, false), 0);
  EXPECT_GT(EnumProcesses("notepad.exe", kEndProcess, nullptr, false), 0);
}

TEST(SystemPrograms, TheProcessListHoldsThisProcess) {
  uint64_t window = 1;
  EXPECT_GT(EnumProcesses("C:\\anywhere\\CORE_TESTS.EXE", kFindProcessWindow, &window, false), 1);
  EXPECT_EQ(window, 0u) << "the tests have no window";
  EXPECT_GT(EnumProcesses("core_tests.exe", kFindProcessWindow, &window, true), 0) << "by module names";
  EXPECT_EQ(EnumProcesses("no_such_program_here.exe", kEndProcess, nullptr, false), 0);
}

TEST(SystemPrograms, ServiceFailuresCarryTheSystemsText) {
  std::string error;
  EXPECT_FALSE(ControlServiceByName("ZeloNoSuchService", ServiceRequest::Start, StartupType::Unknown, &error));
  EXPECT_FALSE(error.empty());
}

TEST(SystemPrograms, RegisteredProgramsHaveNoArgumentsOrQuotes) {
  SystemRegisteredPrograms programs;
  const std::string text_editor = programs.RegisteredProgram(".txt");
  if (!text_editor.empty()) {
    EXPECT_EQ(text_editor.find('"'), std::string::npos);
    EXPECT_EQ(text_editor.find('%'), std::string::npos);
  }
  EXPECT_EQ(programs.RegisteredProgram(".no-such-type"), "");
  EXPECT_FALSE(programs.FullProgramPath("notepad.exe").empty());
  EXPECT_EQ(programs.FullProgramPath("no_such_program_here.exe"), "");
}

}  // namespace
}  // namespace zelo
