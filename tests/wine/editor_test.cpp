// The editor's main window driven as a user drives it: the file dialog, the
// keyboard's accelerators on the step grid, the close questions, a run from
// the editor, and what the window remembers when it closes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"
#include "ui/command_ids.h"

namespace zelo::test {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(20);
  }
  return true;
}

void Command(HWND main, int command) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(main, WM_COMMAND, static_cast<WPARAM>(command), 0, SMTO_NORMAL, 10000, &result);
}

// Presses a key with modifiers on the real keyboard, as a user would.
void Press(BYTE vk, bool ctrl = false, bool shift = false) {
  if (ctrl) keybd_event(VK_CONTROL, 0, 0, 0);
  if (shift) keybd_event(VK_SHIFT, 0, 0, 0);
  keybd_event(vk, 0, 0, 0);
  keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
  if (shift) keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  if (ctrl) keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
}

HWND FindChildOfClass(HWND parent, const wchar_t* cls) {
  struct Search {
    const wchar_t* cls;
    HWND found;
  } search = {cls, nullptr};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t name[64] = {};
        GetClassNameW(h, name, 64);
        if (lstrcmpiW(name, s->cls) != 0) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int Rows(HWND grid) { return static_cast<int>(SendMessageW(grid, LVM_GETITEMCOUNT, 0, 0)); }
int Selected(HWND grid) { return static_cast<int>(SendMessageW(grid, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }

// A number below "SOFTWARE\Zelomat\Palettes\<palette>"; 0 when there is none.
DWORD PaletteNumber(const wchar_t* palette, const wchar_t* name) {
  const std::wstring key = std::wstring(L"SOFTWARE\\Zelomat\\Palettes\\") + palette;
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return 0;
  return value;
}

std::wstring Title(HWND main) { return WindowText(main); }

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : splash_("ShowSplash", 0), prompt_("PromptSave", 1), hilite_("HiliteRunningStep", 1) {}

  std::string Put(const std::string& name, int comments) {
    std::string steps;
    for (int i = 1; i <= comments; ++i) steps += StepXml("Comment", "", "note " + std::to_string(i));
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }

  // Starts the editor (on a script when given) and finds its main window and grid.
  bool Start(const std::string& script) {
    process_ = StartProgram(script.empty() ? "" : "/e " + Quoted(script), dir_.File("log.txt"));
    if (!process_.valid()) return false;
    main_ = WaitForProcessWindow(process_.id(), L"Zelomat", kGuiWaitMs);
    // The window exists a moment before its children.
    return main_ && WaitUntil([&] { return (grid_ = FindChildOfClass(main_, L"SysListView32")) != nullptr; }, 10000);
  }

  // The grid gets the keyboard as a click on it would give it.
  void FocusGrid() {
    SetForegroundWindow(main_);
    RECT r;
    GetWindowRect(grid_, &r);
    SetCursorPos(r.left + 60, r.top + 30);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Press(VK_HOME);
    WaitUntil([&] { return Selected(grid_) == 0; }, 5000);
  }

  // Closes the window; the box that asks, when one comes within ms.
  HWND CloseAndFindQuestion(DWORD ms) {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    return WaitForProcessWindow(process_.id(), L"#32770", ms, L"Confirm Action");
  }

  DWORD ExitCode(DWORD ms = 10000) {
    DWORD code = 99;
    return process_.Wait(ms, &code) ? code : 99;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber splash_, prompt_, hilite_;
  Process process_;
  HWND main_ = nullptr;
  HWND grid_ = nullptr;
};

// Open through the file dialog, Save, reopen from the recent list and save
// again: the same bytes. A file deleted behind the editor's back is written
// again by Save, and once gone its recent entry says why it cannot open.
TEST_F(EditorTest, OpenSaveReopenAndAFileThatVanished) {
  const std::string path = Put("a.zxm", 3);
  ASSERT_TRUE(Start(""));
  PostMessageW(main_, WM_COMMAND, CMD_OPEN, 0);
  HWND dialog = WaitForProcessWindow(process_.id(), L"#32770", kGuiWaitMs);
  ASSERT_NE(dialog, nullptr);
  // The file name box of the common dialog (edt1, or cmb13 where it is a
  // combo), typed into once the dialog has finished setting itself up.
  HWND name_box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    HWND combo = GetDlgItem(dialog, 0x47C);
    name_box = combo ? FindChildOfClass(combo, L"Edit") : GetDlgItem(dialog, 0x480);
    return name_box && IsWindowVisible(dialog);
  }, 10000));
  ASSERT_TRUE(WaitUntil([&] {
    SendMessageW(name_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
    wchar_t typed[MAX_PATH] = {};
    SendMessageW(name_box, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(typed));
    return Wide(path) == typed;
  }, 5000));
  PressOk(dialog);
  ASSERT_TRUE(WaitForTitle(main_, L"a.zxm - Zelomat", 10000)) << Narrow(Title(main_));
  EXPECT_EQ(Rows(grid_), 3);

  Command(main_, CMD_SAVE);
  std::string first;
  ASSERT_TRUE(ReadTextFile(path, &first));
  Command(main_, CMD_CLOSE);
  ASSERT_TRUE(WaitForTitle(main_, L"(Untitled) - Zelomat", 5000));
  Command(main_, CMD_RECENT_FILE_1);
  ASSERT_TRUE(WaitForTitle(main_, L"a.zxm - Zelomat", 5000));
  EXPECT_EQ(Rows(grid_), 3);
  ASSERT_TRUE(DeleteFileA(path.c_str()));
  FocusGrid();
  Press('S', true);
  std::string second;
  EXPECT_TRUE(WaitUntil([&] { return ReadTextFile(path, &second) && second == first; }, 10000)) << second;

  ASSERT_TRUE(DeleteFileA(path.c_str()));
  Command(main_, CMD_CLOSE);
  PostMessageW(main_, WM_COMMAND, CMD_RECENT_FILE_1, 0);
  HWND box = WaitForProcessWindow(process_.id(), L"#32770", 10000, L"Zelomat Error");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(WaitForMessageBoxText(box, 5000).find(L"Please verify that the file exists"), std::wstring::npos);
  PressOk(box);
  EXPECT_TRUE(WaitForTitle(main_, L"(Untitled) - Zelomat", 5000));
  EXPECT_EQ(Rows(grid_), 0);
  PostMessageW(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCode(), 0u);
}

// Bookmarks, Delete and Undo from the keyboard, and the close question
// answered Cancel (the window stays), then No (the file stays as it was).
TEST_F(EditorTest, KeysOnTheGridAndTheCloseQuestion) {
  const std::string path = Put("keys.zxm", 4);
  std::string original;
  ASSERT_TRUE(ReadTextFile(path, &original));
  ASSERT_TRUE(Start(path));
  ASSERT_TRUE(WaitForTitle(main_, L"keys.zxm - Zelomat", 10000));
  FocusGrid();
  ASSERT_EQ(Selected(grid_), 0);
  Press(VK_DOWN);
  Press(VK_DOWN);
  ASSERT_TRUE(WaitUntil([&] { return Selected(grid_) == 2; }, 5000));
  Press(VK_F2, true);  // Toggle Bookmark on step 3
  Press(VK_HOME);
  ASSERT_TRUE(WaitUntil([&] { return Selected(grid_) == 0; }, 5000));
  Press(VK_F2);  // Goto Next Bookmark
  EXPECT_TRUE(WaitUntil([&] { return Selected(grid_) == 2; }, 5000));

  Press(VK_DELETE);
  ASSERT_TRUE(WaitUntil([&] { return Rows(grid_) == 3; }, 5000));
  EXPECT_TRUE(WaitForTitle(main_, L"* keys.zxm - Zelomat", 5000));
  Press('Z', true);
  ASSERT_TRUE(WaitUntil([&] { return Rows(grid_) == 4; }, 5000));
  EXPECT_TRUE(WaitForTitle(main_, L"keys.zxm - Zelomat", 5000));

  Press(VK_DELETE);
  ASSERT_TRUE(WaitUntil([&] { return Rows(grid_) == 3; }, 5000));
  HWND box = CloseAndFindQuestion(10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WaitForMessageBoxText(box, 5000), L"Save changes to " + Wide(path) + L"?");
  PressButton(box, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
  EXPECT_EQ(ExitCode(500), 99u) << "Cancel keeps the window";
  ASSERT_TRUE(IsWindow(main_));
  box = CloseAndFindQuestion(10000);
  ASSERT_NE(box, nullptr);
  PressButton(box, IDNO);
  EXPECT_EQ(ExitCode(), 0u);
  std::string after;
  ASSERT_TRUE(ReadTextFile(path, &after));
  EXPECT_EQ(after, original);
}

// The close question answered Yes saves; the window remembers the column
// widths and which palettes were shown.
TEST_F(EditorTest, YesSavesAndTheLayoutIsRemembered) {
  const std::string path = Put("yes.zxm", 3);
  ASSERT_TRUE(Start(path));
  ASSERT_TRUE(WaitForTitle(main_, L"yes.zxm - Zelomat", 10000));
  FocusGrid();
  Press(VK_DELETE);
  ASSERT_TRUE(WaitUntil([&] { return Rows(grid_) == 2; }, 5000));
  SendMessageW(grid_, LVM_SETCOLUMNWIDTH, 2, 333);
  HWND output = FindWindowExW(main_, nullptr, L"ZeloDock", L"Output");
  ASSERT_NE(output, nullptr);
  keybd_event(VK_MENU, 0, 0, 0);
  Press('3');  // Alt+3: Show Output off
  keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(output); }, 5000));
  HWND box = CloseAndFindQuestion(10000);
  ASSERT_NE(box, nullptr);
  PressButton(box, IDYES);
  EXPECT_EQ(ExitCode(), 0u);
  std::string saved;
  ASSERT_TRUE(ReadTextFile(path, &saved));
  EXPECT_EQ(Occurrences(saved, "<step>"), 2);
  EXPECT_EQ(PaletteNumber(L"MainList", L"Column3"), 333u);
  EXPECT_EQ(PaletteNumber(L"Output", L"visible"), 255u);
  EXPECT_EQ(PaletteNumber(L"Actions", L"visible"), 1u);
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat\\Palettes\\Output", L"visible");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat\\Palettes\\MainList", L"Column3");
}

// F5 runs the script from the editor, the grid follows the running step,
// and Pause ends the run.
TEST_F(EditorTest, RunFromTheKeyboardFollowsTheStepAndPauseStopsIt) {
  const std::string log = dir_.File("log.txt");
  const std::string path = dir_.File("run.zxm");
  ASSERT_TRUE(WriteTextFile(path, ScriptText(StepXml("Comment", "", "first") +
                                             "<step>\r\n\t<action>Delay</action>\r\n\t<timeout>30</timeout>\r\n</step>\r\n" +
                                             StepXml("Comment", "", "last"))));
  ASSERT_TRUE(Start(path));
  ASSERT_TRUE(WaitForTitle(main_, L"run.zxm - Zelomat", 10000));
  FocusGrid();
  Press(VK_F5);
  ASSERT_TRUE(WaitForLogText(log, "Duration: 30 second(s)", 10000));
  EXPECT_TRUE(WaitUntil([&] { return Selected(grid_) == 1; }, 5000)) << Selected(grid_);
  Command(main_, CMD_PAUSE);
  std::string text;
  const bool stopped = WaitUntil(
      [&] {
        if (HWND box = FindProcessWindow(process_.id(), L"#32770", L"Stop Process")) PressButton(box, IDYES);
        ReadTextFile(log, &text);
        return text.find("Stop request") != std::string::npos;
      },
      15000);
  EXPECT_TRUE(stopped) << text;
  EXPECT_EQ(text.find("[STEP 3]"), std::string::npos) << text;
  PostMessageW(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCode(), 0u);
}

}  // namespace
}  // namespace zelo::test
