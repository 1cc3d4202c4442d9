// Test program: save_changes.exe RECORD_FILE — a window titled "Unsaved
// Document" that asks "Save changes?" (Yes, No, Cancel) when asked to close,
// as an editor with unsaved work does; Cancel keeps it open. It appends
// "asked" to RECORD_FILE each time it asks.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace {

const wchar_t* g_record = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    if (FILE* f = _wfopen(g_record, L"ab")) {
      std::fputs("asked\r\n", f);
      std::fclose(f);
    }
    if (MessageBoxW(window, L"Save changes?", L"Editor", MB_YESNOCANCEL | MB_ICONQUESTION) != IDCANCEL)
      DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
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
  WNDCLASSW cls = {};
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = L"ZeloTestUnsaved";
  if (!RegisterClassW(&cls)) return 1;
  HWND window = CreateWindowExW(0, cls.lpszClassName, L"Unsaved Document", WS_OVERLAPPEDWINDOW, 150, 150, 300, 200,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
