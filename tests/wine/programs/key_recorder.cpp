// Test program: key_recorder.exe LOGFILE — a window titled "Zelo Key
// Recorder" with a multi-line edit control that has the focus. Every
// keyboard message the edit receives goes to LOGFILE as one line:
//   D vk scan ext tick   key down (WM_KEYDOWN, WM_SYSKEYDOWN)
//   U vk scan ext tick   key up (WM_KEYUP, WM_SYSKEYUP)
//   C code tick          character (WM_CHAR, UTF-16 code unit)
// The file is flushed after every line, so a test can read it at any time.
// Without LOGFILE nothing is recorded (for timings of the typing alone).
#include <windows.h>

#include <cstdio>

namespace {

FILE* g_log = nullptr;
WNDPROC g_edit_proc = nullptr;
HWND g_edit = nullptr;

void Record(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!g_log) return;
  const unsigned scan = static_cast<unsigned>((lparam >> 16) & 0xFF);
  const unsigned extended = static_cast<unsigned>((lparam >> 24) & 1);
  const unsigned long tick = GetTickCount();
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      std::fprintf(g_log, "D %u %u %u %lu\n", static_cast<unsigned>(wparam), scan, extended, tick);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      std::fprintf(g_log, "U %u %u %u %lu\n", static_cast<unsigned>(wparam), scan, extended, tick);
      break;
    case WM_CHAR:
      std::fprintf(g_log, "C %u %lu\n", static_cast<unsigned>(wparam), tick);
      break;
    default:
      return;
  }
  std::fflush(g_log);
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Record(message, wparam, lparam);
  return CallWindowProcW(g_edit_proc, window, message, wparam, lparam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETFOCUS:
    case WM_ACTIVATE:
      if (g_edit) SetFocus(g_edit);
      break;
    case WM_SIZE:
      if (g_edit) MoveWindow(g_edit, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t* args, int show) {
  if (args[0] != L'\0' && (_wfopen_s(&g_log, args, L"wb") != 0 || !g_log)) return 2;
  WNDCLASSW cls = {};
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = L"ZeloTestKeyRecorder";
  if (!RegisterClassW(&cls)) return 1;
  HWND window = CreateWindowExW(0, cls.lpszClassName, L"Zelo Key Recorder", WS_OVERLAPPEDWINDOW, 100, 100, 500,
                                300, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  const DWORD style =
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN;
  g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 480, 260, window, nullptr, instance, nullptr);
  if (!g_edit) return 1;
  SendMessageW(g_edit, EM_SETLIMITTEXT, 0, 0);  // no limit: long texts arrive whole
  g_edit_proc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(g_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
  ShowWindow(window, show);
  UpdateWindow(window);
  SetForegroundWindow(window);
  SetFocus(g_edit);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (g_log) std::fclose(g_log);
  return 0;
}
