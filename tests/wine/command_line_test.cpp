// The command line of the real Zelomat.exe: the help box, opening a script,
// hidden runs that cannot run their script, paths holding option letters, the
// logging switches and variable assignments.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"

namespace {

using zelo::test::FindProcessWindow;
using zelo::test::PressOk;
using zelo::test::ProgramPath;
using zelo::test::Process;
using zelo::test::WaitForMessageBoxText;
using zelo::test::WaitForProcessWindow;
using zelo::test::Wide;
using zelo::test::WindowText;

// Closes the program's main window and returns its exit code (99: it did not end).
DWORD CloseProgram(Process& p, HWND main) {
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  if (!p.Wait(zelo::test::kGuiWaitMs, &code)) return 99;
  return code;
}

// Starts the program with the arguments, waits for its main window and closes it.
DWORD StartAndClose(const std::wstring& args) {
  Process p = Process::Start(ProgramPath(), args);
  HWND main = p.valid() ? WaitForProcessWindow(p.id(), L"Zelomat", zelo::test::kGuiWaitMs) : nullptr;
  if (!main) return 99;
  return CloseProgram(p, main);
}

bool RegistryText(const wchar_t* key, const wchar_t* name, std::wstring* out) {
  wchar_t buf[1024] = {};
  DWORD size = sizeof buf;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, buf,
                   &size) != ERROR_SUCCESS)
    return false;
  *out = buf;
  return true;
}

TEST(CommandLine, HelpShowsTheUsageBoxThenTheEditor) {
  Process p = Process::Start(ProgramPath(), L"/?");
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", zelo::test::kGuiWaitMs);
  ASSERT_NE(box, nullptr) << "no usage box appeared";
  EXPECT_EQ(WaitForMessageBoxText(box, 5000),
            L"Zelomat Startup (Command Line) Options:\n\n\t/e\tEdit file\n\t/r\tRun file\n\t/v\tRun file in Zelomat\n"
            L"\t/L\tTurn logging on\n\t/f\tTurn logging off\n\t%x=1\tSet user variable\n\n"
            L"Example:  Zelomat.exe /v C:\\MyFile.zxm /L %foo=\"New Value\"\t");
  EXPECT_EQ(WindowText(box), L"Zelomat");
  EXPECT_EQ(FindProcessWindow(p.id(), L"Zelomat"), nullptr) << "the editor opened before the box was closed";
  PressOk(box);

  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", zelo::test::kGuiWaitMs);
  ASSERT_NE(main, nullptr);
  for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
  EXPECT_TRUE(IsWindowVisible(main));
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(zelo::test::kGuiWaitMs, &code));
  EXPECT_EQ(code, 0u);
}

TEST(CommandLine, HiddenRunOfAMissingScriptEndsWithCode2) {
  Process p = Process::Start(ProgramPath(), L"/r \"Z:\\no such folder\\missing.zxm\"");
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", zelo::test::kGuiWaitMs);
  ASSERT_NE(box, nullptr) << "no load error was shown";
  HWND main = FindProcessWindow(p.id(), L"Zelomat");
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main)) << "a hidden run showed its main window";
  PressOk(box);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(zelo::test::kGuiWaitMs, &code)) << "the hidden program stayed behind";
  EXPECT_EQ(code, 2u);
}

TEST(CommandLine, HiddenRunWithoutScriptEndsAtOnceWithCode2) {
  Process p = Process::Start(ProgramPath(), L"/r");
  ASSERT_TRUE(p.valid());
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(zelo::test::kGuiWaitMs, &code)) << "the hidden program stayed behind";
  EXPECT_EQ(code, 2u);
}

// Under a substring search the "-r" of the folder would turn this into a
// hidden run (ending with code 2); as a whole-word search it is a plain open.
TEST(CommandLine, OptionLettersInAPathDoNotMakeAHiddenRun) {
  Process p = Process::Start(ProgramPath(), L"Z:\\my-reports\\missing.zxm");
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", zelo::test::kGuiWaitMs);
  ASSERT_NE(box, nullptr) << "no load error was shown";
  EXPECT_NE(WaitForMessageBoxText(box, 5000).find(L"Z:\\my-reports\\missing.zxm"), std::wstring::npos) << "the path was damaged";
  PressOk(box);
  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", zelo::test::kGuiWaitMs);
  ASSERT_NE(main, nullptr);
  for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(WindowText(main), L"(Untitled) - Zelomat");
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(zelo::test::kGuiWaitMs, &code));
  EXPECT_EQ(code, 0u);
}

}  // namespace

namespace {

TEST(CommandLine, EditOpensTheScriptAndPutsItFirstInTheRecentList) {
  zelo::test::ScratchFolder dir;
  std::string path = dir.File("opened.zxm");
  ASSERT_TRUE(zelo::test::WriteTextFile(
      path, zelo::test::ScriptText("<step>\r\n<action>Comment</action>\r\n<comment>hello</comment>\r\n</step>\r\n")));
  zelo::test::DeleteZelomatValue("RecentFile1");

  Process p = Process::Start(ProgramPath(), L"/e \"" + Wide(path) + L"\"");
  ASSERT_TRUE(p.valid());
  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", zelo::test::kGuiWaitMs);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(zelo::test::WaitForTitle(main, L"opened.zxm - Zelomat", zelo::test::kGuiWaitMs));
  // The title comes with the loaded script, the recent list just after it.
  std::string recent;
  const DWORD start = GetTickCount();
  while (!(zelo::test::GetZelomatString("RecentFile1", &recent) && recent == path) && GetTickCount() - start < 10000)
    Sleep(50);
  EXPECT_EQ(recent, path);
  EXPECT_EQ(CloseProgram(p, main), 0u);
}

TEST(CommandLine, LoggingSwitchesWriteTheLogSetting) {
  ASSERT_EQ(StartAndClose(L"/L"), 0u);
  DWORD value = 99, size = sizeof value;
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat", L"Log", RRF_RT_REG_DWORD, nullptr, &value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 1u);
  ASSERT_EQ(StartAndClose(L"/L /f"), 0u);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat", L"Log", RRF_RT_REG_DWORD, nullptr, &value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 0u);
}

TEST(CommandLine, AssignmentsSetUserVariables) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat\\UserVariables", L"foo");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat\\UserVariables", L"x");
  ASSERT_EQ(StartAndClose(L"x=1 %foo=\"New Value\""), 0u);
  std::wstring value;
  ASSERT_TRUE(RegistryText(L"SOFTWARE\\Zelomat\\UserVariables", L"foo", &value));
  EXPECT_EQ(value, L"New Value");
  ASSERT_TRUE(RegistryText(L"SOFTWARE\\Zelomat\\UserVariables", L"x", &value));
  EXPECT_EQ(value, L"1");
}

}  // namespace
