#include "ui/main_window_win.h"

namespace zelo {

bool MainWindow::Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MainWindow::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&wc)) return false;
  workspace_.slots[0].file_name = kUntitled;
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  if (placement.kind != PlacementKind::SystemDefault) {
    x = placement.rect.left;
    y = placement.rect.top;
    width = placement.rect.width();
    height = placement.rect.height();
  }
  hwnd_ = CreateWindowExW(0, kMainWindowClass, L"(Untitled) - Zelomat", WS_OVERLAPPEDWINDOW, x, y, width, height,
                          nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  if (!hidden) {
    ShowWindow(hwnd_, show);
    UpdateWindow(hwnd_);
  }
  return true;
}

int MainWindow::RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) {
    self->hwnd_ = hwnd;
    return self->Handle(msg, wp, lp);
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

}  // namespace zelo
