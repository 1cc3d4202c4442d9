// Test program: bitmap_window.exe X Y — shows the test pattern in a
// borderless topmost window whose top-left corner is at (X, Y) on the
// screen, and runs until the window is closed.
#include <windows.h>

#include <cwchar>
#include <vector>

#include "base/win32_owners_win.h"
#include "tests/wine/programs/test_pattern.h"

namespace {

using zelo::test::kPatternHeight;
using zelo::test::kPatternWidth;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      std::vector<uint32_t> pixels;
      for (int y = 0; y < kPatternHeight; ++y)
        for (int x = 0; x < kPatternWidth; ++x) pixels.push_back(zelo::test::PatternPixel(x, y));
      BITMAPINFO info{};
      info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
      info.bmiHeader.biWidth = kPatternWidth;
      info.bmiHeader.biHeight = -kPatternHeight;
      info.bmiHeader.biPlanes = 1;
      info.bmiHeader.biBitCount = 32;
      info.bmiHeader.biCompression = BI_RGB;
      const zelo::PaintDC dc(window);
      SetDIBitsToDevice(dc.get(), 0, 0, kPatternWidth, kPatternHeight, 0, 0, 0, kPatternHeight, pixels.data(), &info,
                        DIB_RGB_COLORS);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, wchar_t* args, int show) {
  int x = 0, y = 0;
  if (std::swscanf(args, L"%d %d", &x, &y) != 2) return 2;
  WNDCLASSW cls = {};
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.lpszClassName = L"ZeloTestBitmapWindow";
  if (!RegisterClassW(&cls)) return 1;
  HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls.lpszClassName, L"Zelomat bitmap window",
                                WS_POPUP, x, y, kPatternWidth, kPatternHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
