// Test program: input_recorder.exe FILE — a borderless window at screen
// (100, 100), 400 by 300 pixels, that takes the focus and appends one line
// per keyboard and mouse message it receives to FILE, with the milliseconds
// since it started:
//   ready LEFT TOP
//   key down|up VK SCAN EXTENDED MS
//   move X Y MS                      (screen point)
//   button left|right|middle down|up X Y MS
//   wheel DELTA X Y MS
// Runs until the window is closed.
#include <windows.h>
#include <windowsx.h>

#include <cstdio>

#include "base/win32_owners_win.h"

namespace {

zelo::KernelHandle g_file;
LARGE_INTEGER g_start, g_frequency;

long long Milliseconds() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return (now.QuadPart - g_start.QuadPart) * 1000 / g_frequency.QuadPart;
}

// Each line goes to the file at once, so a test can read it while the
// program runs.
void Line(const char* format, ...) {
  char text[200];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (n <= 0) return;
  DWORD written = 0;
  WriteFile(g_file.get(), text, static_cast<DWORD>(n), &written, nullptr);
}

POINT ScreenPoint(HWND window, LPARAM lparam) {
  POINT p = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  ClientToScreen(window, &p);
  return p;
}

void Button(HWND window, const char* which, const char* how, LPARAM lparam) {
  const POINT p = ScreenPoint(window, lparam);
  Line("button %s %s %ld %ld %lld\r\n", which, how, p.x, p.y, Milliseconds());
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
      Line("key %s %u %u %u %lld\r\n", up ? "up" : "down", static_cast<unsigned>(wparam),
           static_cast<unsigned>((lparam >> 16) & 0xff), static_cast<unsigned>((lparam >> 24) & 1), Milliseconds());
      return 0;
    }
    case WM_MOUSEMOVE: {
      const POINT p = ScreenPoint(window, lparam);
      Line("move %ld %ld %lld\r\n", p.x, p.y, Milliseconds());
      return 0;
    }
    case WM_LBUTTONDOWN: Button(window, "left", "down", lparam); return 0;
    case WM_LBUTTONUP: Button(window, "left", "up", lparam); return 0;
    case WM_RBUTTONDOWN: Button(window, "right", "down", lparam); return 0;
    case WM_RBUTTONUP: Button(window, "right", "up", lparam); return 0;
    case WM_MBUTTONDOWN: Button(window, "middle", "down", lparam); return 0;
    case WM_MBUTTONUP: Button(window, "middle", "up", lparam); return 0;
    case WM_MOUSEWHEEL: {
      // The wheel message carries a screen point already.
      Line("wheel %d %d %d %lld\r\n", GET_WHEEL_DELTA_WPARAM(wparam), GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam),
           Milliseconds());
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t* args, int) {
  QueryPerformanceFrequency(&g_frequency);
  QueryPerformanceCounter(&g_start);
  g_file.reset(CreateFileW(args, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!g_file) return 1;
  WNDCLASSW cls = {};
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = L"ZeloTestInputRecorder";
  if (!RegisterClassW(&cls)) return 1;
  HWND window = CreateWindowExW(WS_EX_TOPMOST, cls.lpszClassName, L"Input Recorder", WS_POPUP | WS_VISIBLE, 100, 100,
                                400, 300, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  SetForegroundWindow(window);
  SetFocus(window);
  RECT r;
  GetWindowRect(window, &r);
  Line("ready %ld %ld\r\n", r.left, r.top);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
