// Test program: dialog_window.exe RECORD_FILE [hang] — a dialog-style window
// titled "Zelo &Test Dialog" with buttons, edits, a labelled edit, a combo
// box, a list box and a menu bar with nested menus and accelerators. It
// appends what it receives to RECORD_FILE, one line each: "command ID",
// "left X,Y" / "left up X,Y" / "double X,Y" / "right X,Y" (screen
// positions), "wheel N", "text ID TEXT", "size N" (the kind of each resize:
// 0 restored, 1 minimised, 2 maximised). With "hang" it stops taking messages once it is shown.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_record;

void Record(const std::string& line) {
  FILE* f = _wfopen(g_record.c_str(), L"ab");
  if (!f) return;
  std::fputs((line + "\r\n").c_str(), f);
  std::fclose(f);
}

std::string At(HWND window, LPARAM lparam) {
  POINT p = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  ClientToScreen(window, &p);
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  HMENU recent = CreatePopupMenu();
  AppendMenuW(recent, MF_STRING, 2002, L"&First");
  AppendMenuW(file, MF_STRING, 2001, L"&Open...\tCtrl+O");
  AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"&Recent");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HMENU edit = CreatePopupMenu();
  AppendMenuW(edit, MF_STRING, 2003, L"Select &All");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
  return bar;
}

void AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w,
                int h) {
  CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      AddControl(window, L"Button", L"&Press Me", WS_TABSTOP | BS_PUSHBUTTON, 1001, 10, 10, 100, 25);
      AddControl(window, L"Button", L"Unchecked box", WS_TABSTOP | BS_AUTOCHECKBOX, 1002, 120, 10, 130, 25);
      AddControl(window, L"Button", L"Checked box", WS_TABSTOP | BS_AUTOCHECKBOX, 1003, 260, 10, 130, 25);
      CheckDlgButton(window, 1003, BST_CHECKED);
      AddControl(window, L"Button", L"Radio A", WS_TABSTOP | BS_AUTORADIOBUTTON, 1004, 10, 40, 100, 25);
      AddControl(window, L"Button", L"Group", BS_GROUPBOX, 1005, 120, 40, 270, 60);
      AddControl(window, L"Static", L"Name:", 0, 1006, 10, 110, 50, 20);
      AddControl(window, L"Edit", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 1007, 70, 110, 200, 22);
      AddControl(window, L"Edit", L"line one", WS_TABSTOP | WS_BORDER | ES_MULTILINE, 1008, 10, 140, 200, 60);
      AddControl(window, L"ComboBox", L"", WS_TABSTOP | CBS_DROPDOWNLIST, 1009, 220, 140, 150, 100);
      AddControl(window, L"ListBox", L"", WS_TABSTOP | WS_BORDER, 1010, 10, 210, 200, 60);
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wparam), code = HIWORD(wparam);
      if (code == EN_CHANGE) {
        wchar_t text[256] = {};
        GetWindowTextW(reinterpret_cast<HWND>(lparam), text, 256);
        char ansi[512] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
        Record("text " + std::to_string(id) + " " + ansi);
      } else if (code == BN_CLICKED || code == 0 || code == 1) {
        Record("command " + std::to_string(id));
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
      Record("left " + At(window, lparam));
      return 0;
    case WM_LBUTTONUP:
      Record("left up " + At(window, lparam));
      return 0;
    case WM_LBUTTONDBLCLK:
      Record("double " + At(window, lparam));
      return 0;
    case WM_SIZE:
      Record("size " + std::to_string(wparam));
      return 0;
    case WM_RBUTTONDOWN:
      Record("right " + At(window, lparam));
      return 0;
    case WM_MOUSEWHEEL:
      Record("wheel " + std::to_string(GET_WHEEL_DELTA_WPARAM(wparam)));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t*, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 2;
  g_record = argv[1];
  const bool hang = argc > 2 && lstrcmpiW(argv[2], L"hang") == 0;

  WNDCLASSW cls = {};
  cls.style = CS_DBLCLKS;
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  cls.lpszClassName = L"ZeloTestDialog";
  if (!RegisterClassW(&cls)) return 1;
  HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, cls.lpszClassName, L"Zelo &Test Dialog",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_DLGFRAME, 200, 150, 420, 360, nullptr,
                                BuildMenuBar(), instance, nullptr);
  if (!window) return 1;
  ACCEL accel = {FCONTROL | FVIRTKEY, 'O', 2001};
  HACCEL accelerators = CreateAcceleratorTableW(&accel, 1);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  Record("ready");
  if (hang) Sleep(INFINITE);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window, accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
