// The Properties palette of the real Zelomat.exe, used as a person would:
// select a step in the grid, edit a field in the palette, undo, save.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"

namespace {

using namespace zelo::test;

constexpr int kSaveCommand = 102;  // File > Save

// Polls until the condition holds or ms have passed.
template <typename F>
bool WaitUntil(F condition, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(20);
  }
}

void Click(HWND window, int x, int y) {
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void PressKeys(std::initializer_list<WORD> down_then_up) {
  std::vector<INPUT> in;
  for (WORD k : down_then_up) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    in.push_back(i);
  }
  for (auto it = down_then_up.end(); it != down_then_up.begin();) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = *--it;
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void MouseInput(POINT screen, DWORD button) {
  INPUT i = {};
  i.type = INPUT_MOUSE;
  i.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  i.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  i.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  SendInput(1, &i, sizeof i);
}

// With ZELO_SHOT_DIR set (a Windows folder), the test leaves NAME.ready
// there and waits (at most ten seconds) until a screenshot taker outside
// Wine has removed it: the screen then shows the palette as the test left it.
void Shot(const char* name) {
  char dir[MAX_PATH] = {};
  if (GetEnvironmentVariableA("ZELO_SHOT_DIR", dir, MAX_PATH) == 0) return;
  const std::string marker = std::string(dir) + "\\" + name + ".ready";
  WriteTextFile(marker, name);
  WaitUntil([&] { return !FileExists(marker); }, 10000);
}

std::string FileBytes(const std::string& path) {
  std::string bytes;
  ReadTextFile(path, &bytes);
  return bytes;
}

// The editor with a script open: its window, grid and palette.
class Editor {
 public:
  explicit Editor(const std::string& script) : process_(Process::Start(ProgramPath(), Wide("\"" + script + "\""))) {
    main_ = WaitForProcessWindow(process_.id(), L"Zelomat", kGuiWaitMs);
    if (!main_) return;
    // The window exists a moment before its grid and palette.
    WaitUntil([&] {
      list_ = FindWindowExW(main_, nullptr, L"SysListView32", nullptr);
      palette_ = FindDescendant(main_, L"ZeloProperties");
      return list_ && palette_;
    }, 5000);
    DWORD height = 0;
    row_h_ = GetZelomatNumber("Palettes\\Properties\\RowHeight", &height) && height > 6 ? static_cast<int>(height) : 19;
  }
  ~Editor() {
    if (main_) PostMessageW(main_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    if (process_.valid() && !process_.Wait(5000, &code)) {
      // A save question may hold the close up: the test already has its evidence.
      process_.Kill();
    }
  }
  bool ready() const { return main_ && list_ && palette_; }
  HWND list() const { return list_; }
  int row_height() const { return row_h_; }
  HWND main() const { return main_; }
  HWND palette() const { return palette_; }
  std::wstring Title() const { return WindowText(main_); }

  // Clicks the first step of the grid, just below its header.
  void SelectFirstStep() {
    RECT header = {};
    GetWindowRect(FindWindowExW(list_, nullptr, L"SysHeader32", nullptr), &header);
    Click(list_, 30, (header.bottom - header.top) + 4);
    // The palette names the step it shows once it has followed the click.
    WaitUntil([&] { return WindowText(palette_).rfind(L"1 ", 0) == 0; }, 5000);
  }
  // Clicks the value cell of a palette row.
  void ClickValue(int row) {
    RECT rc;
    GetClientRect(palette_, &rc);
    Click(palette_, rc.right * 3 / 5, row * row_h_ + row_h_ / 2);
  }
  // The field editor the palette opened.
  HWND WaitForFieldEditor() {
    HWND edit = nullptr;
    WaitUntil([&] { return (edit = FindWindowExW(palette_, nullptr, L"Edit", nullptr)) != nullptr; }, 5000);
    return edit;
  }
  bool WaitForModified(bool modified) {
    return WaitUntil([&] { return (Title().rfind(L"* ", 0) == 0) == modified; }, 5000);
  }
  // Saves over a removed file and returns what was written.
  std::string SaveAndRead(const std::string& script) {
    DeleteFileA(script.c_str());
    PostMessageW(main_, WM_COMMAND, kSaveCommand, 0);
    WaitUntil([&] { return FileExists(script); }, 5000);
    return FileBytes(script);
  }

 private:
  Process process_;
  HWND main_ = nullptr;
  HWND list_ = nullptr;
  HWND palette_ = nullptr;
  int row_h_ = 19;
};

TEST(PropertiesPalette, EditTypeTextUndoSaveAndReload) {
  ScratchFolder dir;
  const std::string script = dir.File("type.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText(StepXml("Type", "", "old words") + StepXml("Comment", "", "end"))));
  std::string expected;
  {
    Editor e(script);
    ASSERT_TRUE(e.ready());
    ASSERT_TRUE(WaitForTitle(e.main(), L"type.zxm - Zelomat", 5000));
    // The file as the program writes it untouched; the edit changes the text alone.
    const std::string before = e.SaveAndRead(script);
    expected = before;
    const std::size_t at = expected.find("old words");
    ASSERT_NE(at, std::string::npos) << before;
    expected.replace(at, 9, "new words{enter}");

    e.SelectFirstStep();
    e.ClickValue(0);  // "Text", a multi-line field
    HWND edit = e.WaitForFieldEditor();
    ASSERT_NE(edit, nullptr) << "no field editor opened on the Type step's text";
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new words{enter}"));
    Shot("properties_type");
    SetForegroundWindow(e.main());
    PressKeys({VK_CONTROL, VK_RETURN});  // closes the multi-line field
    ASSERT_TRUE(e.WaitForModified(true)) << "the edit did not mark the script";
    EXPECT_EQ(FindWindowExW(e.palette(), nullptr, L"Edit", nullptr), nullptr);

    PressKeys({VK_CONTROL, 'Z'});
    ASSERT_TRUE(e.WaitForModified(false)) << "Ctrl+Z did not undo the edit";
    EXPECT_EQ(e.SaveAndRead(script), before) << "undo left the step changed";

    // Again, kept this time by leaving the field for another row, then saved.
    e.ClickValue(0);
    edit = e.WaitForFieldEditor();
    ASSERT_NE(edit, nullptr);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new words{enter}"));
    e.ClickValue(2);  // the comment row (row 1 is the "No Formatting" box)
    ASSERT_TRUE(e.WaitForModified(true));
    HWND comment = e.WaitForFieldEditor();
    ASSERT_NE(comment, nullptr);
    SendMessageW(comment, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"not kept"));
    PressKeys({VK_ESCAPE});  // Escape cancels the comment's edit
    ASSERT_TRUE(WaitUntil([&] { return !FindWindowExW(e.palette(), nullptr, L"Edit", nullptr); }, 5000));
    EXPECT_EQ(e.SaveAndRead(script), expected);
  }
  // Reopened and saved again, the file stays byte for byte the same.
  Editor again(script);
  ASSERT_TRUE(again.ready());
  ASSERT_TRUE(WaitForTitle(again.main(), L"type.zxm - Zelomat", 5000));
  EXPECT_EQ(again.SaveAndRead(script), expected);
}

TEST(PropertiesPalette, RunHiddenSwitchesItsOptionWordAndTheFailureModeComesFromItsList) {
  ScratchFolder dir;
  const std::string script = dir.File("start.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText("<step>\r\n\t<action>Start</action>\r\n\t<text>notepad.exe</text>\r\n"
                                               "\t<options>Single</options>\r\n</step>\r\n")));
  Editor e(script);
  ASSERT_TRUE(e.ready());
  e.SelectFirstStep();
  // Rows: "Program/Document", "Activate if Already Running", "Run Hidden".
  ASSERT_TRUE(WaitForTitle(e.main(), L"start.zxm - Zelomat", 5000));
  e.ClickValue(2);
  ASSERT_TRUE(e.WaitForModified(true));
  std::string saved = e.SaveAndRead(script);
  EXPECT_NE(saved.find("<options>Single,Hidden</options>"), std::string::npos) << saved;
  Shot("properties_start");
  e.ClickValue(2);
  ASSERT_TRUE(e.WaitForModified(true));
  saved = e.SaveAndRead(script);
  EXPECT_NE(saved.find("<options>Single</options>"), std::string::npos) << saved;

  // The failure mode from its list (keys as a user presses them), then its value.
  // Rows 8 and 9: "On Failure" and its unlabelled second line.
  // A posted click does not activate the window as a real one would; an
  // inactive window's drop-down closes again at once.
  SetForegroundWindow(e.main());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == e.main(); }, 5000));
  e.ClickValue(8);
  ASSERT_TRUE(WaitUntil([&] { return FindWindowExW(e.palette(), nullptr, L"ComboBox", nullptr) != nullptr; }, 5000));
  for (int i = 0; i < 6; ++i) PressKeys({VK_DOWN});  // "Jump to Label"
  PressKeys({VK_RETURN});
  ASSERT_TRUE(e.WaitForModified(true));
  ASSERT_TRUE(WaitUntil([&] { return !FindWindowExW(e.palette(), nullptr, L"ComboBox", nullptr); }, 5000));
  e.ClickValue(9);
  HWND edit = e.WaitForFieldEditor();
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"done"));
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return !FindWindowExW(e.palette(), nullptr, L"Edit", nullptr); }, 5000));
  saved = e.SaveAndRead(script);
  EXPECT_NE(saved.find("<onfail value=\"done\" image=\"0\" log=\"0\">Jump to Label</onfail>"), std::string::npos)
      << saved;
}

// Presses the tool button at the right end of the palette's first row,
// holds it and lets go over the middle of the grid.
POINT HoldToolOverGrid(Editor& e) {
  RECT rc;
  GetClientRect(e.palette(), &rc);
  POINT button = {rc.right - 6, e.row_height() / 2};
  ClientToScreen(e.palette(), &button);
  GetWindowRect(e.list(), &rc);
  const POINT grid = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  SetForegroundWindow(e.main());
  MouseInput(button, 0);
  MouseInput(button, MOUSEEVENTF_LEFTDOWN);
  MouseInput({(button.x + grid.x) / 2, (button.y + grid.y) / 2}, 0);
  MouseInput(grid, 0);
  MouseInput(grid, MOUSEEVENTF_LEFTUP);
  return grid;
}

// With "MinimizeFindWin" the program gets out of the way while the finder is
// held, and comes back when it is released.
TEST(PropertiesPalette, TheWindowFinderMinimizesTheProgramWhileHeldWhenAsked) {
  ScopedZelomatNumber minimize("MinimizeFindWin", 1);
  ScratchFolder dir;
  const std::string script = dir.File("aside.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText("<step>\r\n\t<action>Activate</action>\r\n\t<options>Title</options>\r\n"
                                               "\t<timeout>3</timeout>\r\n</step>\r\n")));
  Editor e(script);
  ASSERT_TRUE(e.ready());
  ASSERT_TRUE(WaitForTitle(e.main(), L"aside.zxm - Zelomat", 5000));
  e.SelectFirstStep();
  RECT rc;
  GetClientRect(e.palette(), &rc);
  POINT button = {rc.right - 6, e.row_height() / 2};
  ClientToScreen(e.palette(), &button);
  SetForegroundWindow(e.main());
  MouseInput(button, 0);
  MouseInput(button, MOUSEEVENTF_LEFTDOWN);
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(e.main()) != FALSE; }, 5000)) << "not minimised while picking";
  MouseInput({button.x - 200, button.y + 200}, 0);
  MouseInput({button.x - 200, button.y + 200}, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(e.main()); }, 5000)) << "not restored after the pick";
}

// The pointer tools: the window finder names the window it is released over
// by the step's match options; the coordinates tool gives the point inside
// that window.
TEST(PropertiesPalette, PointerToolsFillTheirRowWhereReleased) {
  ScratchFolder dir;
  const std::string script = dir.File("finder.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText("<step>\r\n\t<action>Activate</action>\r\n\t<options>Title</options>\r\n"
                                               "\t<timeout>3</timeout>\r\n</step>\r\n" +
                                               StepXml("Move", "", "1, 1") + StepXml("Wait for Pixel", "", "red"))));
  Editor e(script);
  ASSERT_TRUE(e.ready());
  ASSERT_TRUE(WaitForTitle(e.main(), L"finder.zxm - Zelomat", 5000));
  e.SelectFirstStep();
  HoldToolOverGrid(e);  // "Match Criteria": the finder is its one tool
  ASSERT_TRUE(e.WaitForModified(true)) << "the finder wrote nothing";
  std::string saved = e.SaveAndRead(script);
  EXPECT_NE(saved.find("<text>finder.zxm - Zelomat</text>"), std::string::npos) << saved;

  PostMessageW(e.list(), WM_KEYDOWN, VK_DOWN, 0);  // the "Move" step
  PostMessageW(e.list(), WM_KEYUP, VK_DOWN, 0);
  // The grid tells the palette of the new selection as it selects.
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(e.list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1; },
                        5000));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(e.palette()).rfind(L"2 ", 0) == 0; }, 5000));
  RECT window;
  GetWindowRect(e.main(), &window);
  // "X, Y Coordinates": inside the window is the last of its tools.
  const POINT grid = HoldToolOverGrid(e);
  ASSERT_TRUE(e.WaitForModified(true)) << "the coordinates tool wrote nothing";
  saved = e.SaveAndRead(script);
  const std::string inside = std::to_string(grid.x - window.left) + ", " + std::to_string(grid.y - window.top);
  EXPECT_NE(saved.find("<text>" + inside + "</text>"), std::string::npos) << saved;

  // The dropper: the colour of the pixel it is released over, as "Wait for Pixel" reads colours.
  PostMessageW(e.list(), WM_KEYDOWN, VK_DOWN, 0);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(e.list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 2; },
                        5000));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(e.palette()).rfind(L"3 ", 0) == 0; }, 5000));
  HoldToolOverGrid(e);
  ASSERT_TRUE(e.WaitForModified(true)) << "the dropper wrote nothing";
  const zelo::WindowDC screen(nullptr);
  const COLORREF pixel = GetPixel(screen.get(), grid.x, grid.y);
  char expected[32];
  snprintf(expected, sizeof expected, "<text>0x%02X%02X%02X</text>", GetRValue(pixel), GetGValue(pixel), GetBValue(pixel));
  saved = e.SaveAndRead(script);
  EXPECT_NE(saved.find(expected), std::string::npos) << saved;
}

// "Preview the image file" shows the image at its size; a file that is not
// there is said so.
TEST(PropertiesPalette, PreviewShowsTheImageOrSaysWhyNot) {
  ScratchFolder dir;
  // A 3 x 2 bitmap of 24-bit pixels, rows padded to 12 bytes.
  std::string bmp = "BM";
  auto put32 = [&bmp](uint32_t v) { for (int i = 0; i < 4; ++i) bmp += static_cast<char>(v >> (8 * i) & 0xFF); };
  auto put16 = [&bmp](uint16_t v) { bmp += static_cast<char>(v & 0xFF); bmp += static_cast<char>(v >> 8); };
  put32(54 + 24); put32(0); put32(54);
  put32(40); put32(3); put32(2); put16(1); put16(24); put32(0); put32(24); put32(0); put32(0); put32(0); put32(0);
  bmp += std::string(24, '\x7f');
  const std::string image = dir.File("shape.bmp");
  ASSERT_TRUE(WriteTextFile(image, bmp));
  const std::string script = dir.File("image.zxm");
  ASSERT_TRUE(WriteTextFile(script, ScriptText(StepXml("Click on Image", "", image) +
                                               StepXml("Click on Image", "", dir.File("missing.bmp")))));
  Editor e(script);
  ASSERT_TRUE(e.ready());
  ASSERT_TRUE(WaitForTitle(e.main(), L"image.zxm - Zelomat", 5000));
  e.SelectFirstStep();
  RECT rc;
  GetClientRect(e.palette(), &rc);
  const int view_x = rc.right - 6, row_y = e.row_height() / 2;  // "Image File": the preview is its last tool
  Click(e.palette(), view_x, row_y);
  DWORD pid = 0;
  GetWindowThreadProcessId(e.main(), &pid);
  HWND preview = WaitForProcessWindow(pid, L"ZeloImagePreview", 5000);
  ASSERT_NE(preview, nullptr) << "no preview window";
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(preview) != FALSE; }, 5000));
  GetClientRect(preview, &rc);
  EXPECT_EQ(rc.right, 3);
  EXPECT_EQ(rc.bottom, 2);
  Shot("properties_image");

  PostMessageW(e.list(), WM_KEYDOWN, VK_DOWN, 0);  // the step whose image is missing
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(e.list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == 1; },
                        5000));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(e.palette()).rfind(L"2 ", 0) == 0; }, 5000));
  Click(e.palette(), view_x, row_y);
  HWND box = WaitForProcessWindow(pid, L"#32770", 5000, L"Zelomat Warning");
  ASSERT_NE(box, nullptr) << "no message for the missing image";
  EXPECT_NE(WaitForMessageBoxText(box, 5000).find(L"does not exist"), std::wstring::npos);
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
}

}  // namespace
