#include "ui/main/dock_win.h"

#include "base/win32_owners_win.h"

namespace zelo {

namespace {
constexpr int kCaptionHeight = 18;

bool RegisterDockClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kDockClass, &existing)) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kDockClass;
  return RegisterClassExW(&wc) != 0;
}
}  // namespace

bool DockPane::Create(HWND parent, const wchar_t* caption, int toggle_command) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterDockClass(instance, &DockPane::Proc)) return false;
  caption_ = caption ? caption : L"";
  toggle_command_ = toggle_command;
  hwnd_ = CreateWindowExW(0, kDockClass, caption_.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                          0, 0, 0, 0, parent, nullptr, instance, this);
  return hwnd_ != nullptr;
}

void DockPane::SetContent(HWND content) {
  content_ = content;
  if (!content_) return;
  SetParent(content_, hwnd_);
  ShowWindow(content_, SW_SHOW);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  SendMessageW(hwnd_, WM_SIZE, 0, MAKELPARAM(rc.right, rc.bottom));
}

void DockPane::SetVisible(bool visible) {
  visible_ = visible;
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

int DockPane::CaptionHeight() const { return caption_.empty() ? 0 : kCaptionHeight; }

RECT DockPane::CloseBox() const {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  return {rc.right - kCaptionHeight + 2, 2, rc.right - 2, kCaptionHeight - 2};
}

LRESULT CALLBACK DockPane::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    static_cast<DockPane*>(cs->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<DockPane*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

void DockPane::Paint() {
  PaintDC dc(hwnd_);
  if (caption_.empty()) return;
  RECT rc;
  GetClientRect(hwnd_, &rc);
  RECT bar = {0, 0, rc.right, kCaptionHeight};
  GdiObject<HBRUSH> fill(CreateSolidBrush(GetSysColor(COLOR_INACTIVECAPTION)));
  FillRect(dc.get(), &bar, fill.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), GetSysColor(COLOR_INACTIVECAPTIONTEXT));
  SelectedObject font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
  RECT text = {4, 0, rc.right - kCaptionHeight, kCaptionHeight};
  DrawTextW(dc.get(), caption_.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  // A cross of two lines: the frame-control picture needs a symbol font
  // that not every system has.
  const RECT box = CloseBox();
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, GetSysColor(COLOR_INACTIVECAPTIONTEXT)));
  SelectedObject selected(dc.get(), pen.get());
  MoveToEx(dc.get(), box.left + 3, box.top + 3, nullptr);
  LineTo(dc.get(), box.right - 3, box.bottom - 3);
  MoveToEx(dc.get(), box.right - 3, box.top + 3, nullptr);
  LineTo(dc.get(), box.left + 3, box.bottom - 3);
}

LRESULT DockPane::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (content_)
        MoveWindow(content_, 0, CaptionHeight(), LOWORD(lp), HIWORD(lp) > CaptionHeight() ? HIWORD(lp) - CaptionHeight() : 0,
                   TRUE);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_LBUTTONUP: {
      POINT pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      RECT box = CloseBox();
      if (!caption_.empty() && PtInRect(&box, pt)) PostMessageW(GetParent(hwnd_), WM_COMMAND, toggle_command_, 0);
      return 0;
    }
    // The toolbar's buttons and whatever the content asks of the main
    // window go on to it; the content's own controls talk to the content.
    case WM_COMMAND:
      if (lp == 0 || reinterpret_cast<HWND>(lp) == content_) return SendMessageW(GetParent(hwnd_), msg, wp, lp);
      break;
    case WM_NOTIFY:
    case WM_CONTEXTMENU:
      return SendMessageW(GetParent(hwnd_), msg, wp, lp);
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace zelo

