#include "ui/dialogs/timed_popup_win.h"

#include <memory>
#include <string>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

constexpr wchar_t kPopupClass[] = L"ZeloPopupText";
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kMargin = 14;

struct PopupState {
  PopupLook look;
  std::wstring text;
  GdiObject<HFONT> title_font;
};

PopupState* StateOf(HWND w) { return reinterpret_cast<PopupState*>(GetWindowLongPtrW(w, GWLP_USERDATA)); }

void PaintSplash(HWND w, HDC dc, const PopupState& s) {
  RECT r;
  GetClientRect(w, &r);
  const GdiObject<HBRUSH> band(CreateSolidBrush(RGB(32, 72, 128)));
  RECT top = r;
  top.bottom = r.top + (r.bottom - r.top) * 3 / 5;
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FillRect(dc, &top, band.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  {
    const SelectedObject font(dc, s.title_font.get());
    DrawTextW(dc, L"Zelomat", -1, &top, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  RECT bottom = r;
  bottom.top = top.bottom;
  SetTextColor(dc, RGB(32, 32, 32));
  const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, s.text.c_str(), -1, &bottom, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintHint(HWND w, HDC dc, const PopupState& s) {
  RECT r;
  GetClientRect(w, &r);
  const GdiObject<HBRUSH> back(CreateSolidBrush(GetSysColor(COLOR_INFOBK)));
  FillRect(dc, &r, back.get());
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  InflateRect(&r, -kMargin / 2, -kMargin / 2);
  const SelectedObject font(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextW(dc, s.text.c_str(), -1, &r, DT_LEFT | DT_NOPREFIX);
}

LRESULT CALLBACK PopupProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      const PaintDC dc(w);
      if (const PopupState* s = StateOf(w)) (s->look == PopupLook::Splash ? PaintSplash : PaintHint)(w, dc.get(), *s);
      return 0;
    }
    case WM_TIMER:
    case WM_LBUTTONDOWN:
      DestroyWindow(w);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // a click closes it without taking the focus from the editor
    case WM_NCDESTROY:
      delete StateOf(w);  // the state was handed to the window when it was made
      SetWindowLongPtrW(w, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterPopupClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PopupProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kPopupClass;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

// The size the hint's text needs.
SIZE HintSize(const std::wstring& text) {
  const WindowDC dc(nullptr);
  const SelectedObject font(dc.get(), GetStockObject(DEFAULT_GUI_FONT));
  RECT r = {0, 0, 0, 0};
  DrawTextW(dc.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_NOPREFIX);
  return SIZE{r.right - r.left + kMargin, r.bottom - r.top + kMargin};
}

}  // namespace

HWND ShowTimedPopup(HWND owner, PopupLook look, std::string_view text, POINT at, unsigned milliseconds) {
  if (!RegisterPopupClass()) return nullptr;
  auto state = std::make_unique<PopupState>();
  state->look = look;
  state->text = AnsiToWide(text);
  SIZE size{360, 200};
  if (look == PopupLook::Splash) {
    state->title_font.reset(CreateFontW(-40, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    at = POINT{area.left + (area.right - area.left - size.cx) / 2, area.top + (area.bottom - area.top - size.cy) / 2};
  } else {
    size = HintSize(state->text);
  }
  HWND w = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPopupClass, L"",
                           WS_POPUP | WS_BORDER, at.x, at.y, size.cx, size.cy, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  if (!w) return nullptr;
  SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
  SetTimer(w, kCloseTimer, milliseconds, nullptr);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  UpdateWindow(w);
  return w;
}

}  // namespace zelo
