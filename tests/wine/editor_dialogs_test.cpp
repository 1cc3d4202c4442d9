// The editor's dialogs and Actions palette in the real Zelomat.exe, driven as
// a user would: menu commands, clicks on the grid and the Actions tree, keys
// in the boxes they open.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"
#include "ui/command_ids.h"

namespace {

using zelo::test::kGuiWaitMs;

bool WaitFor(const std::function<bool()>& condition, DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(30);
  }
}

// The text of another program's control: GetWindowText reads only captions
// across processes, the message reads the control itself.
std::wstring ControlText(HWND w) {
  std::wstring text(1 << 16, L'\0');
  const LRESULT n = SendMessageW(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

// The first descendant of the class, or of the class inside a parent of
// parent_class when that is given.
HWND FindChild(HWND root, const wchar_t* cls, const wchar_t* parent_class = nullptr) {
  struct Query {
    const wchar_t* cls;
    const wchar_t* parent_class;
    HWND found;
  } q{cls, parent_class, nullptr};
  EnumChildWindows(
      root,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* q = reinterpret_cast<Query*>(lp);
        if (ClassOf(h) != q->cls) return TRUE;
        if (q->parent_class && ClassOf(GetParent(h)) != q->parent_class) return TRUE;
        q->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&q));
  return q.found;
}

// Commands without a key of their own, chosen as their menu items send them.
// Wine keeps menus inside their process, so a test cannot read them from the
// menu bar: the ids are those of the program's command table.
constexpr UINT kViewXmlCommand = zelo::CMD_VIEW_XML;
constexpr UINT kMainWindowListCommand = zelo::CMD_LIST_MAIN_WINDOWS;

// A key pressed in the program's main window as a user would, with Ctrl or
// Shift held when given.
void PressKeys(HWND main, WORD modifier, WORD key) {
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  // Keys go to the program's active window: the main window, or a box it
  // has just closed and is giving the focus back from.
  SetForegroundWindow(main);
  WaitFor(
      [&] {
        DWORD active = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &active);
        return active == pid;
      },
      2000);
  INPUT in[4] = {};
  int n = 0;
  auto add = [&](WORD vk, DWORD flags) {
    in[n].type = INPUT_KEYBOARD;
    in[n].ki.wVk = vk;
    in[n].ki.dwFlags = flags;
    ++n;
  };
  if (modifier) add(modifier, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (modifier) add(modifier, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(n), in, sizeof(INPUT));
}

// The editor with a script open, its grid and its Actions tree.
class Editor {
 public:
  explicit Editor(const std::string& script) {
    process_ = zelo::test::Process::Start(zelo::test::ProgramPath(), L"\"" + zelo::test::Wide(script) + L"\"");
    main_ = zelo::test::WaitForProcessWindow(process_.id(), L"Zelomat", kGuiWaitMs);
    if (!main_) return;
    // The window exists a moment before its controls.
    WaitFor([&] { return (grid_ = GridBesidePalettes()) && (tree_ = FindChild(main_, WC_TREEVIEWW, L"ZeloActions")); },
            kGuiWaitMs);
  }
  ~Editor() {
    if (!main_) return;
      PostMessageW(main_, WM_CLOSE, 0, 0);
    DWORD code = 0;
    process_.Wait(kGuiWaitMs, &code);
    }
  HWND main() const { return main_; }
  HWND grid() const { return grid_; }
  HWND tree() const { return tree_; }
  DWORD pid() const { return process_.id(); }
  int Rows() const { return static_cast<int>(SendMessageW(grid_, LVM_GETITEMCOUNT, 0, 0)); }
  int Selected() const { return static_cast<int>(SendMessageW(grid_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
  bool WaitSelected(int row, DWORD ms = 5000) const { return WaitFor([&] { return Selected() == row; }, ms); }

  // Reads and writes the program's memory for the controls' messages that
  // carry pointers.
  bool Remote(const std::function<bool(HANDLE, void*)>& use) {
    const zelo::KernelHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid()));
    if (!process) return false;
    const zelo::RemoteMemory memory(process.get(), 4096);
    return memory.get() && use(process.get(), memory.get());
  }

  std::wstring ItemText(HTREEITEM item) {
    std::wstring text;
    Remote([&](HANDLE p, void* mem) {
      TVITEMW tv = {};
      tv.mask = TVIF_TEXT;
      tv.hItem = item;
      tv.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(mem) + 256);
      tv.cchTextMax = 512;
      if (!WriteProcessMemory(p, mem, &tv, sizeof tv, nullptr)) return false;
      if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(mem))) return false;
      wchar_t buf[512] = {};
      if (!ReadProcessMemory(p, tv.pszText, buf, sizeof buf - sizeof(wchar_t), nullptr)) return false;
      text = buf;
      return true;
    });
    return text;
  }

  std::wstring CellText(int row, int column) { return ListText(grid_, row, column); }
  // A cell of any list view of the program.
  std::wstring ListText(HWND list, int row, int column) {
    std::wstring text;
    Remote([&](HANDLE p, void* mem) {
      LVITEMW item = {};
      item.iSubItem = column;
      item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(mem) + 256);
      item.cchTextMax = 512;
      if (!WriteProcessMemory(p, mem, &item, sizeof item, nullptr)) return false;
      const LRESULT n = SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(mem));
      wchar_t buf[512] = {};
      if (n <= 0 || !ReadProcessMemory(p, item.pszText, buf, sizeof buf - sizeof(wchar_t), nullptr)) return false;
      text = buf;
      return true;
    });
    // The grid indents actions by their level.
    const std::size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first);
  }

  HTREEITEM FindItem(HTREEITEM parent, const std::wstring& text) {
    HTREEITEM item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    for (; item; item = reinterpret_cast<HTREEITEM>(
                     SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item))))
      if (ItemText(item) == text) return item;
    return nullptr;
  }

  // The centre of a rectangle that a control message fills in, on the screen.
  bool ScreenCentre(HWND control, UINT msg, WPARAM wp, const RECT& in, POINT* out) {
    RECT r = in;
    const bool ok = Remote([&](HANDLE p, void* mem) {
      return WriteProcessMemory(p, mem, &r, sizeof r, nullptr) &&
             SendMessageW(control, msg, wp, reinterpret_cast<LPARAM>(mem)) &&
             ReadProcessMemory(p, mem, &r, sizeof r, nullptr);
    });
    *out = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    return ok && ClientToScreen(control, out);
  }

 private:
  // The grid: the list view that is not the Variables palette's.
  HWND GridBesidePalettes() {
    HWND found = nullptr;
    EnumChildWindows(
        main_,
        [](HWND h, LPARAM lp) -> BOOL {
          if (ClassOf(h) == WC_LISTVIEWW && ClassOf(GetParent(h)) != L"ZeloVariables") {
            *reinterpret_cast<HWND*>(lp) = h;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  zelo::test::Process process_;
  HWND main_ = nullptr;
  HWND grid_ = nullptr;
  HWND tree_ = nullptr;
};

void Click(POINT at, int times) {
  SetCursorPos(at.x, at.y);
  for (int i = 0; i < times; ++i) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
  }
}

// Presses the button at from, moves in steps as a hand would (the tree only
// starts a drag once the pointer has left a small square), releases at to.
void Drag(POINT from, POINT to) {
  SetCursorPos(from.x, from.y);
  INPUT down = {};
  down.type = INPUT_MOUSE;
  down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &down, sizeof down);
  for (int i = 1; i <= 10; ++i) {
    Sleep(20);  // the pace of a hand: each move is its own message
    SetCursorPos(from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10);
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof move);
  }
  INPUT up = {};
  up.type = INPUT_MOUSE;
  up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &up, sizeof up);
}

std::string Comments(int n, int needle_at) {
  std::string steps;
  for (int i = 0; i < n; ++i)
    steps += zelo::test::StepXml("Comment", i == needle_at ? "the needle" : "step " + std::to_string(i + 1));
  return zelo::test::ScriptText(steps);
}

// A visible top-level window whose title holds the text (another program's).
HWND TopWindowTitled(const std::wstring& part) {
  struct Query {
    const std::wstring* part;
    HWND found;
  } q{&part, nullptr};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* q = reinterpret_cast<Query*>(lp);
        if (!IsWindowVisible(h) || zelo::test::WindowText(h).find(*q->part) == std::wstring::npos) return TRUE;
        q->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&q));
  return q.found;
}

// A box of the program with the caption; its text, and it is answered OK.
std::wstring TakeBox(DWORD pid, const wchar_t* caption) {
  HWND box = zelo::test::WaitForProcessWindow(pid, L"#32770", 10000, caption);
  if (!box) return L"(no box)";
  std::wstring text = zelo::test::WaitForMessageBoxText(box, 5000);
  zelo::test::PressOk(box);
  WaitFor([&] { return !IsWindow(box); }, 5000);
  return text;
}

TEST(EditorDialogs, DoubleClickAndDragFromTheActionsTreeInsertSteps) {
  zelo::test::ScratchFolder dir;
  const std::string script = dir.File("insert.zxm");
  // The grid shows the new step; saving it is the main window's part.
  ASSERT_TRUE(zelo::test::WriteTextFile(script, Comments(3, -1)));
  zelo::test::ScopedZelomatNumber before("InsertNewStep", 0);
  Editor editor(script);
  ASSERT_TRUE(editor.main() && editor.grid() && editor.tree());
  ASSERT_TRUE(WaitFor([&] { return editor.Rows() == 3; }, kGuiWaitMs));
  SetForegroundWindow(editor.main());

  POINT row;
  RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
  // A window just shown may not take clicks yet: clicked again until it does.
  ASSERT_TRUE(WaitFor(
      [&] {
        if (!editor.ScreenCentre(editor.grid(), LVM_GETITEMRECT, 1, bounds, &row)) return false;
        Click(row, 1);
        return editor.WaitSelected(1, 1000);
      },
      kGuiWaitMs));

  HTREEITEM wait_folder = editor.FindItem(nullptr, L"Wait");
  ASSERT_NE(wait_folder, nullptr);
  SendMessageW(editor.tree(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(wait_folder));
  HTREEITEM delay = editor.FindItem(wait_folder, L"Delay");
  ASSERT_NE(delay, nullptr);
  SendMessageW(editor.tree(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(delay));
  RECT item_rect = {};
  *reinterpret_cast<HTREEITEM*>(&item_rect) = delay;  // TVM_GETITEMRECT names the item in the rectangle
  POINT at;
  ASSERT_TRUE(editor.ScreenCentre(editor.tree(), TVM_GETITEMRECT, TRUE, item_rect, &at));
  Click(at, 2);

  ASSERT_TRUE(WaitFor([&] { return editor.Rows() == 4; }, 5000)) << "no step was inserted";
  EXPECT_TRUE(editor.WaitSelected(1));  // the new step, where the selection was

  EXPECT_EQ(editor.CellText(1, 1), L"Delay");
  EXPECT_EQ(editor.CellText(2, 1), L"Comment");

  // Dragged onto the last row, the action goes in before it.
  HTREEITEM pixel = editor.FindItem(wait_folder, L"Wait for Pixel");
  ASSERT_NE(pixel, nullptr);
  *reinterpret_cast<HTREEITEM*>(&item_rect) = pixel;
  ASSERT_TRUE(editor.ScreenCentre(editor.tree(), TVM_GETITEMRECT, TRUE, item_rect, &at));
  ASSERT_TRUE(editor.ScreenCentre(editor.grid(), LVM_GETITEMRECT, 3, bounds, &row));
  Drag(at, row);
  ASSERT_TRUE(WaitFor([&] { return editor.Rows() == 5; }, 5000)) << "the drop inserted nothing";
  EXPECT_EQ(editor.CellText(3, 1), L"Wait for Pixel");
  EXPECT_EQ(editor.CellText(4, 1), L"Comment");
  // Closed again, so that the program stores the folder as it found it.
  SendMessageW(editor.tree(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(wait_folder));
}

TEST(EditorDialogs, FindNextGoToStepAndViewXml) {
  zelo::test::ScratchFolder dir;
  const std::string script = dir.File("find.zxm");
  ASSERT_TRUE(zelo::test::WriteTextFile(script, Comments(5, 3)));
  ASSERT_TRUE(zelo::test::SetZelomatString("Find", "NEEDLE"));
  Editor editor(script);
  ASSERT_TRUE(editor.main() && editor.grid());
  ASSERT_TRUE(WaitFor([&] { return editor.Rows() == 5; }, kGuiWaitMs));
  ASSERT_TRUE(editor.WaitSelected(0));

  PressKeys(editor.main(), 0, VK_F3);
  EXPECT_TRUE(editor.WaitSelected(3));
  PressKeys(editor.main(), 0, VK_F3);  // only the selected step holds it
  EXPECT_EQ(TakeBox(editor.pid(), L"Zelomat Warning"), L"Cannot find \"NEEDLE\" while searching down");
  EXPECT_EQ(editor.Selected(), 3);

  // Go to Step offers the step count; beyond the end means the last step,
  // 0 the first.
  for (const wchar_t* typed : {L"0", L"99"}) {
    PressKeys(editor.main(), VK_CONTROL, 'G');
    HWND box = zelo::test::WaitForProcessWindow(editor.pid(), L"#32770", 10000, L"Go to Step Number");
    ASSERT_NE(box, nullptr);
    HWND edit = FindChild(box, L"Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(ControlText(edit), L"5");
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
    zelo::test::PressOk(box);
    EXPECT_TRUE(editor.WaitSelected(typed[0] == L'0' ? 0 : 4)) << zelo::test::Narrow(typed);
  }

  PostMessageW(editor.main(), WM_COMMAND, kViewXmlCommand, 0);
  HWND xml = zelo::test::WaitForProcessWindow(editor.pid(), L"ZeloViewXml", 10000, L"View XML: Step #5");
  ASSERT_NE(xml, nullptr);
  EXPECT_NE(ControlText(FindChild(xml, L"Edit")).find(L"<comment>step 5</comment>"), std::wstring::npos);
  PostMessageW(FindChild(xml, L"Edit"), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(xml); }, 5000)) << "Escape did not close the XML window";
  zelo::test::DeleteZelomatValue("Find");
}

// A user variable in the registry for the length of a test.
class StoredVariable {
 public:
  StoredVariable(const wchar_t* name, const wchar_t* value) : name_(name) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_SZ, value,
                    static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
  }
  ~StoredVariable() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, name_); }
  StoredVariable(const StoredVariable&) = delete;
  StoredVariable& operator=(const StoredVariable&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"SOFTWARE\\Zelomat\\UserVariables";
  const wchar_t* name_;
};

TEST(EditorDialogs, MainWindowListIsWrittenBesideTheProgramAndVariablesAreListed) {
  std::string list = zelo::test::Narrow(zelo::test::ProgramPath());
  list = list.substr(0, list.find_last_of("\\/") + 1) + "windows.txt";
  DeleteFileA(list.c_str());
  zelo::test::ScratchFolder dir;
  const std::string script = dir.File("list.zxm");
  ASSERT_TRUE(zelo::test::WriteTextFile(script, Comments(1, -1)));
  const StoredVariable variable(L"dialogs_probe", L"probe value");
  Editor editor(script);
  ASSERT_TRUE(editor.main());
  ASSERT_TRUE(zelo::test::WaitForTitle(editor.main(), L"list.zxm - Zelomat", kGuiWaitMs));

  // The Variables palette lists the stored variable with its value.
  HWND variables = FindChild(editor.main(), WC_LISTVIEWW, L"ZeloVariables");
  ASSERT_NE(variables, nullptr);
  bool listed = false;
  const int rows = static_cast<int>(SendMessageW(variables, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows && !listed; ++row)
    listed = editor.ListText(variables, row, 0) == L"dialogs_probe" && editor.ListText(variables, row, 1) == L"probe value";
  EXPECT_TRUE(listed);

  PostMessageW(editor.main(), WM_COMMAND, kMainWindowListCommand, 0);
  std::string text;
  EXPECT_TRUE(WaitFor([&] { return zelo::test::ReadTextFile(list, &text) && text.find("list.zxm - Zelomat\r\n") != std::string::npos; },
                      10000))
      << text;
  // The list opens in the viewer of text files, which is closed again; a
  // system without one for ".txt" (a bare Wine prefix) gets the failure box.
  HWND viewer = nullptr, box = nullptr;
  EXPECT_TRUE(WaitFor(
      [&] {
        viewer = TopWindowTitled(L"windows.txt");
        box = zelo::test::FindProcessWindow(editor.pid(), L"#32770", L"Zelomat Error");
        return viewer || box;
      },
      10000));
  if (viewer) PostMessageW(viewer, WM_CLOSE, 0, 0);
  if (box) {
    EXPECT_EQ(zelo::test::WaitForMessageBoxText(box, 5000), L"Unable to open file");
    zelo::test::PressOk(box);
  }
}

}  // namespace
