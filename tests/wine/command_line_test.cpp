// The command line of the real Zelomat.exe: the help box, hidden runs that
// cannot run their script, and paths holding option letters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/wine/process_win.h"

namespace {

using zelo::test::Process;
using zelo::test::ZelomatExe;

struct WindowQuery {
  DWORD pid;
  const wchar_t* cls;
  HWND found;
};

// A top-level window of the class that belongs to the process.
HWND FindProcessWindow(DWORD pid, const wchar_t* cls) {
  WindowQuery q{pid, cls, nullptr};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* q = reinterpret_cast<WindowQuery*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t cls[64] = {};
        GetClassNameW(h, cls, 64);
        if (owner == q->pid && wcscmp(cls, q->cls) == 0) {
          q->found = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&q));
  return q.found;
}

HWND WaitForProcessWindow(DWORD pid, const wchar_t* cls, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND h = FindProcessWindow(pid, cls);
    if (h) return h;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

std::wstring WindowText(HWND h) {
  wchar_t buf[1024] = {};
  GetWindowTextW(h, buf, 1024);
  return buf;
}

// The message text of a message box: its longest static control.
std::wstring MessageBoxText(HWND box) {
  std::wstring best;
  EnumChildWindows(
      box,
      [](HWND h, LPARAM lp) -> BOOL {
        wchar_t cls[32] = {};
        GetClassNameW(h, cls, 32);
        if (_wcsicmp(cls, L"Static") == 0) {
          std::wstring t = WindowText(h);
          auto* best = reinterpret_cast<std::wstring*>(lp);
          if (t.size() > best->size()) *best = t;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&best));
  return best;
}

// The box window exists a moment before its caption and text are filled in.
std::wstring WaitForMessageBoxText(HWND box, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    std::wstring text = MessageBoxText(box);
    if ((!text.empty() && !WindowText(box).empty()) || GetTickCount() - start > ms) return text;
    Sleep(50);
  }
}

void PressOk(HWND box) { PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

TEST(CommandLine, HelpShowsTheUsageBoxThenTheEditor) {
  Process p = Process::Start(ZelomatExe(), L"/?");
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", 10000);
  ASSERT_NE(box, nullptr) << "no usage box appeared";
  EXPECT_EQ(WaitForMessageBoxText(box, 5000),
            L"Zelomat Startup (Command Line) Options:\n\n\t/e\tEdit file\n\t/r\tRun file\n\t/v\tRun file in Zelomat\n"
            L"\t/L\tTurn logging on\n\t/f\tTurn logging off\n\t%x=1\tSet user variable\n\n"
            L"Example:  Zelomat.exe /v C:\\MyFile.zxm /L %foo=\"New Value\"\t");
  EXPECT_EQ(WindowText(box), L"Zelomat");
  EXPECT_EQ(FindProcessWindow(p.id(), L"Zelomat"), nullptr) << "the editor opened before the box was closed";
  PressOk(box);

  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", 10000);
  ASSERT_NE(main, nullptr);
  for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
  EXPECT_TRUE(IsWindowVisible(main));
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(10000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(CommandLine, HiddenRunOfAMissingScriptEndsWithCode2) {
  Process p = Process::Start(ZelomatExe(), L"/r \"Z:\\no such folder\\missing.zxm\"");
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", 10000);
  ASSERT_NE(box, nullptr) << "no load error was shown";
  HWND main = FindProcessWindow(p.id(), L"Zelomat");
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(IsWindowVisible(main)) << "a hidden run showed its main window";
  PressOk(box);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(10000, &code)) << "the hidden program stayed behind";
  EXPECT_EQ(code, 2u);
}

TEST(CommandLine, HiddenRunWithoutScriptEndsAtOnceWithCode2) {
  Process p = Process::Start(ZelomatExe(), L"/r");
  ASSERT_TRUE(p.valid());
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(10000, &code)) << "the hidden program stayed behind";
  EXPECT_EQ(code, 2u);
}

// Under a substring search the "-r" of the folder would turn this into a
// hidden run (ending with code 2); as a whole-word search it is a plain open.
TEST(CommandLine, OptionLettersInAPathDoNotMakeAHiddenRun) {
  Process p = Process::Start(ZelomatExe(), L"Z:\\my-reports\\missing.zxm");
  ASSERT_TRUE(p.valid());
  HWND box = WaitForProcessWindow(p.id(), L"#32770", 10000);
  ASSERT_NE(box, nullptr) << "no load error was shown";
  EXPECT_NE(WaitForMessageBoxText(box, 5000).find(L"Z:\\my-reports\\missing.zxm"), std::wstring::npos) << "the path was damaged";
  PressOk(box);
  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", 10000);
  ASSERT_NE(main, nullptr);
  for (int i = 0; i < 100 && !IsWindowVisible(main); ++i) Sleep(50);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_EQ(WindowText(main), L"(Untitled) - Zelomat");
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(10000, &code));
  EXPECT_EQ(code, 0u);
}

}  // namespace
