// Drives the editor for scripts/screenshots.sh as a user would, one action
// per call, and prints the rectangles of the windows it finds
// ("WIDTHxHEIGHT+LEFT+TOP", the form ImageMagick crops by):
//   editor_driver main                 waits for the main window; its rectangle
//   editor_driver select ROW           clicks the step grid and selects the row
//   editor_driver pane CAPTION         a docked pane's rectangle
//   editor_driver command ID           posts a menu command to the main window
//   editor_driver window TITLE         waits for a top-level window; its rectangle
//   editor_driver close TITLE          closes that window (its Cancel/OK button)
// Exit code 1 when the window is not there within ten seconds.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kWaitMs = 10000;

HWND WaitFor(const wchar_t* cls, const wchar_t* title) {
  const DWORD start = GetTickCount();
  for (;;) {
    // A box exists a moment before it is placed and shown.
    if (HWND h = FindWindowW(cls, title); h && IsWindowVisible(h)) {
      RECT before, after;
      GetWindowRect(h, &before);
      Sleep(100);
      GetWindowRect(h, &after);
      if (EqualRect(&before, &after)) return h;
    }
    if (GetTickCount() - start > kWaitMs) return nullptr;
    Sleep(50);
  }
}

int PrintRect(HWND h, bool client_only = false) {
  if (!h) return 1;
  RECT r;
  GetWindowRect(h, &r);
  if (client_only) {
    // Without a window manager nobody draws a dialog's frame and caption:
    // the picture is its client area.
    GetClientRect(h, &r);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
  }
  std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  return 0;
}

struct Search {
  const wchar_t* cls;
  const wchar_t* text;
  HWND found;
};

HWND FindChild(HWND parent, const wchar_t* cls, const wchar_t* text) {
  Search s = {cls, text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        wchar_t name[64] = {}, caption[128] = {};
        GetClassNameW(h, name, 64);
        GetWindowTextW(h, caption, 128);
        if (lstrcmpiW(name, s->cls) != 0 || (s->text && lstrcmpW(caption, s->text) != 0)) return TRUE;
        s->found = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void Press(BYTE vk) {
  keybd_event(vk, 0, 0, 0);
  keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring what = argv[1];
  const wchar_t* arg = argc > 2 ? argv[2] : L"";
  if (what == L"window") return PrintRect(WaitFor(nullptr, arg), true);
  if (what == L"close") {
    HWND h = WaitFor(nullptr, arg);
    if (!h) return 1;
    PostMessageW(h, WM_COMMAND, IDCANCEL, 0);
    PostMessageW(h, WM_CLOSE, 0, 0);
    return 0;
  }
  HWND main = WaitFor(L"Zelomat", nullptr);
  if (!main) return 1;
  if (what == L"main") return PrintRect(main);
  if (what == L"pane") return PrintRect(FindChild(main, L"ZeloDock", arg));
  if (what == L"command") return PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(_wtoi(arg)), 0) ? 0 : 1;
  if (what == L"select") {
    HWND grid = FindChild(main, L"SysListView32", nullptr);
    if (!grid) return 1;
    SetForegroundWindow(main);
    RECT r;
    GetWindowRect(grid, &r);
    SetCursorPos(r.left + 60, r.top + 30);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Press(VK_HOME);
    for (int i = _wtoi(arg); i > 0; --i) Press(VK_DOWN);
    // The palette follows the selection once the grid has taken the keys.
    const DWORD start = GetTickCount();
    while (SendMessageW(grid, 0x1000 + 12 /* LVM_GETNEXTITEM */, static_cast<WPARAM>(-1), 2 /* LVNI_SELECTED */) !=
               _wtoi(arg) &&
           GetTickCount() - start < kWaitMs)
      Sleep(50);
    return 0;
  }
  return 2;
}
