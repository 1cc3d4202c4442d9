#include "ui/properties/properties_palette_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/ansi_text_win.h"
#include "base/printf_text.h"
#include "base/win32_owners_win.h"
#include "engine/run_log.h"
#include "settings/dialog_font_win.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/properties/picking_tools_win.h"
#include "ui/properties/property_edit.h"
#include "ui/properties/property_lists_win.h"
#include "ui/properties/property_rows.h"

namespace zelo {

namespace {

constexpr wchar_t kPaletteClass[] = L"ZeloProperties";
constexpr wchar_t kCtrlEnterHint[] = L"(Press Ctrl+Enter to close field)";
// Posted by an editor to close itself (wParam 1: keep the text, 0: cancel;
// lParam: the editor), so that the control is never destroyed inside its own
// message; a late one for an editor already closed is ignored.
constexpr UINT kMsgCloseEditor = WM_APP + 40;
constexpr int kEditorId = 100;
constexpr wchar_t kPaletteProp[] = L"ZeloPalette";
constexpr wchar_t kProcProp[] = L"ZeloPaletteProc";
constexpr int kHelpLines = 4;
constexpr int kMultiLineRows = 7;  // height of the multi-line editor in rows

struct ToolInfo {
  uint32_t bit;
  const wchar_t* face;
  const wchar_t* tip;
  bool hold;  // pressed, held and released over the screen
};
const ToolInfo kTools[] = {
    {TOOL_FILE, L"...", kChooseFileTip, false},        {TOOL_FOLDER, L"Dir", kChooseFolderTip, false},
    {TOOL_WINDOW_FINDER, L"Win", kFindWindowTip, true}, {TOOL_MOUSE, L"X,Y", kMouseTip, true},
    {TOOL_MOUSE_IN_WINDOW, L"Xw", kMouseInWindowTip, true}, {TOOL_DROPPER, L"Pix", kDropperTip, true},
    {TOOL_CAPTURE, L"Cap", kCaptureTip, false},        {TOOL_PREVIEW, L"View", kPreviewTip, false},
};

// A tool button of a row as drawn.
struct ToolButton {
  int row;
  const ToolInfo* tool;
  RECT rc;
};

uint32_t CommandGroup() { return GetTickCount(); }

}  // namespace

struct PropertiesPalette::Impl {
  explicit Impl(Workspace& w) : ws(w), editor(w) {}

  Workspace& ws;
  StepPropertyEditor editor;
  HWND hwnd = nullptr;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  GdiObject<HFONT> bold;
  int font_height = 13;
  int label_w = 120;
  int row_h = 19;
  int step = -1;
  PropertySheet sheet;
  int focus = -1;  // the focused row
  int top = 0;     // the first row shown
  HWND tips = nullptr;
  std::vector<ToolButton> buttons;
  OwnedWindow preview;

  // The open editor.
  HWND edit = nullptr;
  int edit_row = -1;
  bool multi_line = false;
  bool list = false;

  // The tool button held down.
  const ToolInfo* pressed = nullptr;
  int pressed_row = -1;

  // Geometry.
  RECT Client() const {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return rc;
  }
  int HelpHeight() const { return kHelpLines * font_height + 10; }
  int GridBottom() const { return std::max(0, static_cast<int>(Client().bottom) - HelpHeight()); }
  int LabelWidth() const { return label_w; }
  // The label column fits the widest caption, up to a little over half the palette.
  void MeasureLabels() {
    int widest = 0;
    for (const PropertyRow& r : sheet.rows) widest = std::max(widest, TextWidth(AnsiToWide(r.label.view()).c_str()));
    label_w = std::clamp(widest + 10, 60, std::max(60, static_cast<int>(Client().right) * 55 / 100));
  }
  int VisibleRows() const { return std::max(1, GridBottom() / row_h); }
  RECT RowRect(int row) const {
    const RECT c = Client();
    const int y = (row - top) * row_h;
    return {0, y, c.right, y + row_h};
  }
  RECT ValueRect(int row) const {
    RECT r = RowRect(row);
    r.left = LabelWidth() + 1;
    return r;
  }
  int RowAt(int y) const {
    if (y < 0 || y >= GridBottom()) return -1;
    const int row = top + y / row_h;
    return row < static_cast<int>(sheet.rows.size()) ? row : -1;
  }
  const PropertyRow* Row(int row) const {
    if (row < 0 || row >= static_cast<int>(sheet.rows.size())) return nullptr;
    const PropertyRow& r = sheet.rows[static_cast<std::size_t>(row)];
    return r.kind == KIND_END ? nullptr : &r;
  }
  StepRecord* Step() { return editor.Step(step); }

  int TextWidth(const wchar_t* text) {
    WindowDC dc(hwnd);
    SelectedObject keep(dc.get(), font);
    SIZE size = {};
    GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
    return size.cx;
  }
  // The right part of a value cell taken by the row's tool buttons.
  int ToolsWidth(int row) {
    int width = 0;
    for (const ToolButton& b : buttons)
      if (b.row == row) width += b.rc.right - b.rc.left;
    return width;
  }
  RECT AlternativeRect(int row) {
    const PropertyRow* r = Row(row);
    RECT v = ValueRect(row);
    v.right -= ToolsWidth(row);
    if (!r || !(r->tools & TOOL_ALTERNATIVE)) return {v.right, v.top, v.right, v.bottom};
    const int width = row_h + TextWidth(AnsiToWide(r->word.view()).c_str()) + 6;
    return {std::max<LONG>(v.left, v.right - width), v.top, v.right, v.bottom};
  }
  RECT EditorRect(int row) {
    RECT r = ValueRect(row);
    r.right = AlternativeRect(row).left;
    return r;
  }

  void Create(HWND parent);
  void Layout();
  void Rebuild(bool keep_focus);
  void ShowStep(int new_step);
  void Paint(HDC dc);
  void PaintRow(HDC dc, int row);
  void PaintHelp(HDC dc);
  void SetFocusRow(int row);
  void ScrollTo(int new_top);
  void UpdateScrollBar();
  void PlaceToolButtons();

  void OnButtonDown(POINT pt);
  void OnButtonUp(POINT pt);
  void OnKey(WPARAM key);
  void Toggle(int row);
  void ToggleAlternative(int row);
  void Record();

  void Subclass(HWND control);
  void OpenEditor(int row);
  void CloseEditor(bool keep);
  void Apply(int row, const std::string& text);
  void ShowRefusal(EditOutcome outcome);

  void UseTool(const ToolInfo& tool, int row, POINT screen);
  bool Capture(const std::string& current, std::string* file);

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// ---- the window ----

void PropertiesPalette::Impl::Create(HWND parent) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(instance, kPaletteClass, &wc)) {
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Impl::Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kPaletteClass;
    if (!RegisterClassExW(&wc)) return;
  }
  hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, kPaletteClass, L"Properties",
                         WS_CHILD | WS_VSCROLL | WS_CLIPCHILDREN | WS_TABSTOP, 0, 0, 0, 0, parent, nullptr, instance,
                         this);
  if (!hwnd) return;
  LOGFONTW lf = {};
  GetObjectW(font, sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  bold.reset(CreateFontIndirectW(&lf));
  font_height = DialogFontHeight();
  const int32_t stored = ReadSetting(setting::kPropertiesRowHeight);
  row_h = stored >= font_height + 2 && stored <= 100 ? stored : font_height + 6;
  tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0,
                         0, hwnd, nullptr, instance, nullptr);
  if (tips) SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, 400);  // the tool texts have two lines
}

LRESULT CALLBACK PropertiesPalette::Impl::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    static_cast<Impl*>(cs->lpCreateParams)->hwnd = hwnd;
  }
  auto* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT PropertiesPalette::Impl::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDC dc(hwnd);
      Paint(dc.get());
      return 0;
    }
    case WM_SIZE: Layout(); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_LBUTTONUP: OnButtonUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_MOUSEMOVE:
      if (pressed) InvalidateRect(hwnd, nullptr, FALSE);  // the help shows the pointer
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a dialog, Alt+Tab): the pick is off.
      if (reinterpret_cast<HWND>(lp) != hwnd) {
        pressed = nullptr;
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      return 0;
    case WM_SETCURSOR:
      if (pressed && pressed->hold) {
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32515)));  // IDC_CROSS
        return TRUE;
      }
      break;
    case WM_KEYDOWN: OnKey(wp); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_VSCROLL: {
      int t = top;
      switch (LOWORD(wp)) {
        case SB_LINEUP: --t; break;
        case SB_LINEDOWN: ++t; break;
        case SB_PAGEUP: t -= VisibleRows(); break;
        case SB_PAGEDOWN: t += VisibleRows(); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: t = HIWORD(wp); break;
        default: break;
      }
      ScrollTo(t);
      return 0;
    }
    case WM_MOUSEWHEEL: ScrollTo(top - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3); return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kEditorId && edit) {
        const int code = HIWORD(wp);
        if (code == CBN_SELENDOK || code == CBN_KILLFOCUS || code == EN_KILLFOCUS)
          PostMessageW(hwnd, kMsgCloseEditor, 1, lp);
      }
      return 0;
    case kMsgCloseEditor:
      if (edit && reinterpret_cast<HWND>(lp) == edit) CloseEditor(wp != 0);
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void PropertiesPalette::Impl::Layout() {
  if (edit) CloseEditor(true);
  MeasureLabels();
  PlaceToolButtons();
  UpdateScrollBar();
  InvalidateRect(hwnd, nullptr, TRUE);
}

void PropertiesPalette::Impl::UpdateScrollBar() {
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = std::max(0, static_cast<int>(sheet.rows.size()) - 1);
  si.nPage = static_cast<UINT>(VisibleRows());
  si.nPos = top;
  SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

void PropertiesPalette::Impl::ScrollTo(int new_top) {
  const int last = std::max(0, static_cast<int>(sheet.rows.size()) - VisibleRows());
  new_top = std::clamp(new_top, 0, last);
  if (new_top == top) return;
  if (edit) CloseEditor(true);
  top = new_top;
  PlaceToolButtons();
  UpdateScrollBar();
  InvalidateRect(hwnd, nullptr, TRUE);
}

// Tool buttons sit at the right end of each row's value cell; each is a tool
// of the tooltip control so that its text shows under the pointer.
void PropertiesPalette::Impl::PlaceToolButtons() {
  if (tips)
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      TOOLINFOW ti = {};
      ti.cbSize = sizeof ti;
      ti.hwnd = hwnd;
      ti.uId = i + 1;
      SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
  buttons.clear();
  for (int row = top; row < static_cast<int>(sheet.rows.size()) && row < top + VisibleRows() + 1; ++row) {
    const PropertyRow* r = Row(row);
    if (!r) continue;
    int right = ValueRect(row).right;
    for (int i = static_cast<int>(std::size(kTools)) - 1; i >= 0; --i) {
      if (!(r->tools & kTools[i].bit)) continue;
      const int width = TextWidth(kTools[i].face) + 8;
      const RECT rc = {right - width, RowRect(row).top, right, RowRect(row).bottom};
      right -= width;
      buttons.push_back({row, &kTools[i], rc});
    }
  }
  if (!tips) return;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    TOOLINFOW ti = {};
      ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = hwnd;
    ti.uId = i + 1;
    ti.rect = buttons[i].rc;
    ti.lpszText = const_cast<wchar_t*>(buttons[i].tool->tip);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void PropertiesPalette::Impl::Rebuild(bool keep_focus) {
  const int old_focus = focus;
  sheet = PropertySheet();
  if (StepRecord* s = Step()) {
    // IF steps and comments have no failure handling; their failure fields
    // are kept empty (not while a run reads the steps).
    if (!HasFailureRows(*s) && !editor.running() && ClearFailureFields(*s)) ws.seam().RefreshList();
    sheet = BuildPropertyRows(*s, LogFilePath());
  }
  const int rows = static_cast<int>(sheet.rows.size());
  focus = keep_focus && old_focus < rows - 1 ? old_focus : (rows > 1 ? 0 : -1);
  top = keep_focus ? std::min(top, std::max(0, rows - VisibleRows())) : 0;
  MeasureLabels();
  PlaceToolButtons();
  UpdateScrollBar();
  InvalidateRect(hwnd, nullptr, TRUE);
}

void PropertiesPalette::Impl::ShowStep(int new_step) {
  if (edit) CloseEditor(true);
  step = new_step;
  Rebuild(false);
}

// ---- painting ----

void PropertiesPalette::Impl::Paint(HDC dc) {
  const RECT c = Client();
  SelectedObject keep(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const int rows = static_cast<int>(sheet.rows.size());
  for (int row = top; row < rows && (row - top) * row_h < GridBottom(); ++row) PaintRow(dc, row);
  // The empty part of the grid, then the help.
  RECT rest = {0, std::min(GridBottom(), (rows - top) * row_h), c.right, GridBottom()};
  if (rest.bottom > rest.top) FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
  PaintHelp(dc);
}

void PropertiesPalette::Impl::PaintRow(HDC dc, int row) {
  const PropertyRow& r = sheet.rows[static_cast<std::size_t>(row)];
  const RECT rr = RowRect(row);
  const bool focused = row == focus && r.kind != KIND_END;
  RECT label = rr;
  label.right = LabelWidth();
  FillRect(dc, &label, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
  RECT value = ValueRect(row);
  FillRect(dc, &value, GetSysColorBrush(COLOR_WINDOW));
  if (r.kind == KIND_END) return;
  // Grid lines.
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  {
    SelectedObject keep(dc, pen.get());
    MoveToEx(dc, 0, rr.bottom - 1, nullptr);
    LineTo(dc, rr.right, rr.bottom - 1);
    MoveToEx(dc, label.right, rr.top, nullptr);
    LineTo(dc, label.right, rr.bottom);
  }
  SetTextColor(dc, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
  RECT text = label;
  text.left += 4;
  DrawTextW(dc, AnsiToWide(r.label.view()).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);

  const StepRecord* s = Step();
  if (!s) return;
  SetTextColor(dc, GetSysColor(editor.running() ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
  RECT cell = EditorRect(row);
  cell.left += 3;
  const int box = row_h - 6;
  switch (r.kind) {
    case KIND_CHECK: {
      RECT b = {cell.left, cell.top + 3, cell.left + box, cell.top + 3 + box};
      DrawFrameControl(dc, &b, DFC_BUTTON,
                       DFCS_BUTTONCHECK | (RowChecked(*s, r) ? DFCS_CHECKED : 0) | (editor.running() ? DFCS_INACTIVE : 0));
      break;
    }
    case KIND_RECORD: {
      RECT b = {cell.left, cell.top + 1, std::min(cell.right, cell.left + 12 * font_height), cell.bottom - 2};
      DrawFrameControl(dc, &b, DFC_BUTTON, DFCS_BUTTONPUSH);
      DrawTextW(dc, L"Record...", -1, &b, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
      break;
    }
    default: {
      std::string shown = FieldText(*s, r.field);
      if (r.kind == KIND_PASSWORD) shown.assign(shown.size(), '*');
      // One line of a long or multi-line text is all a row shows.
      const std::size_t eol = shown.find_first_of("\r\n");
      if (eol != std::string::npos) shown = shown.substr(0, eol) + " ...";
      if (shown.size() > 1024) shown.resize(1024);
      DrawTextW(dc, AnsiToWide(shown).c_str(), -1, &cell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
      break;
    }
  }
  if (r.tools & TOOL_ALTERNATIVE) {
    const RECT alt = AlternativeRect(row);
    RECT b = {alt.left + 2, alt.top + 3, alt.left + 2 + box, alt.top + 3 + box};
    DrawFrameControl(dc, &b, DFC_BUTTON,
                     DFCS_BUTTONCHECK | (AlternativeChecked(*s, r) ? DFCS_CHECKED : 0) |
                         (editor.running() || !AlternativeEnabled(*s, r) ? DFCS_INACTIVE : 0));
    RECT caption = alt;
    caption.left = b.right + 3;
    DrawTextW(dc, AnsiToWide(r.word.view()).c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (const ToolButton& b : buttons) {
    if (b.row != row) continue;
    RECT face = b.rc;
    InflateRect(&face, 0, -1);
    const bool down = pressed == b.tool && pressed_row == row;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    DrawTextW(dc, b.tool->face, -1, &face, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  }
}

void PropertiesPalette::Impl::PaintHelp(HDC dc) {
  const RECT c = Client();
  RECT area = {0, GridBottom(), c.right, c.bottom};
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  InflateRect(&area, -4, -3);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  std::wstring title, body;
  if (pressed && pressed->hold) {
    POINT at;
    GetCursorPos(&at);
    title = pressed->tip;
    title = title.substr(0, title.find(L'\n'));
    body = L"Release over the screen. ";
    body += AnsiToWide(PrintfText("Pointer at %d, %d", static_cast<int>(at.x), static_cast<int>(at.y)));
  } else if (const PropertyRow* r = Row(focus)) {
    title = AnsiToWide(r->label.empty() && focus > 0 ? sheet.rows[focus - 1].label.view() : r->label.view());
    body = AnsiToWide(r->help.view());
    if (edit && multi_line) body = std::wstring(kCtrlEnterHint) + L"  " + body;
    if (editor.running()) body = L"(Fields cannot be changed while the script runs)  " + body;
  }
  {
    SelectedObject keep(dc, bold ? static_cast<HGDIOBJ>(bold.get()) : font);
    RECT line = area;
    DrawTextW(dc, title.c_str(), -1, &line, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  area.top += font_height + 2;
  DrawTextW(dc, body.c_str(), -1, &area, DT_WORDBREAK | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// ---- input ----

void PropertiesPalette::Impl::SetFocusRow(int row) {
  if (!Row(row)) return;
  if (edit && edit_row != row) CloseEditor(true);
  focus = row;
  if (row < top) ScrollTo(row);
  if (row >= top + VisibleRows()) ScrollTo(row - VisibleRows() + 1);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PropertiesPalette::Impl::OnButtonDown(POINT pt) {
  if (edit) CloseEditor(true);
  SetFocus(hwnd);
  for (const ToolButton& b : buttons)
    if (PtInRect(&b.rc, pt)) {
      SetFocusRow(b.row);
      pressed = b.tool;
      pressed_row = b.row;
      SetCapture(hwnd);
      if (pressed->hold) SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32515)));  // IDC_CROSS
      InvalidateRect(hwnd, nullptr, FALSE);
      return;
    }
  const int row = RowAt(pt.y);
  const PropertyRow* r = Row(row);
  if (!r) return;
  SetFocusRow(row);
  if (pt.x <= LabelWidth()) return;
  const RECT alt = AlternativeRect(row);
  if ((r->tools & TOOL_ALTERNATIVE) && PtInRect(&alt, pt)) return ToggleAlternative(row);
  if (r->kind == KIND_CHECK) return Toggle(row);
  if (r->kind == KIND_RECORD) return Record();
  OpenEditor(row);
}

void PropertiesPalette::Impl::OnButtonUp(POINT pt) {
  POINT screen = pt;
  ClientToScreen(hwnd, &screen);
  if (!pressed) return;
  const ToolInfo* tool = pressed;
  const int row = pressed_row;
  pressed = nullptr;
  ReleaseCapture();
  InvalidateRect(hwnd, nullptr, FALSE);
  bool over_button = false;
  for (const ToolButton& b : buttons) over_button |= b.tool == tool && b.row == row && PtInRect(&b.rc, pt);
  // A held tool picks where it is released (outside its own button); a
  // clicked tool acts when released on its button.
  if (tool->hold ? !over_button : over_button) UseTool(*tool, row, screen);
}

void PropertiesPalette::Impl::OnKey(WPARAM key) {
  const int rows = static_cast<int>(sheet.rows.size());
  switch (key) {
    case VK_UP:
      for (int r = focus - 1; r >= 0; --r)
        if (Row(r)) return SetFocusRow(r);
      return;
    case VK_DOWN:
      for (int r = focus + 1; r < rows; ++r)
        if (Row(r)) return SetFocusRow(r);
      return;
    case VK_SPACE:
    case VK_RETURN:
    case VK_F2: {
      const PropertyRow* r = Row(focus);
      if (!r) return;
      if (r->kind == KIND_CHECK) return Toggle(focus);
      if (r->kind == KIND_RECORD) return Record();
      if (key == VK_SPACE && (r->tools & TOOL_ALTERNATIVE)) return ToggleAlternative(focus);
      return OpenEditor(focus);
    }
    default: return;
  }
}

void PropertiesPalette::Impl::ShowRefusal(EditOutcome outcome) {
  if (outcome != EditOutcome::Refused) return;
  ws.seam().SetStatusText(editor.running() ? "Fields cannot be changed while the script runs"
                                           : "The field cannot hold this value");
  ws.seam().Beep();
}

void PropertiesPalette::Impl::Toggle(int row) {
  const PropertyRow* r = Row(row);
  const StepRecord* s = Step();
  if (!r || !s) return;
  ShowRefusal(editor.ApplyCheck(step, *r, !RowChecked(*s, *r), CommandGroup()));
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PropertiesPalette::Impl::ToggleAlternative(int row) {
  const PropertyRow* r = Row(row);
  const StepRecord* s = Step();
  if (!r || !s) return;
  if (!AlternativeEnabled(*s, *r)) return;
  const bool on = !AlternativeChecked(*s, *r);
  ShowRefusal(editor.ApplyAlternative(step, *r, on, CommandGroup()));
  // Switched off, the field waits for the value the user types.
  if (!on && !editor.running()) OpenEditor(row);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PropertiesPalette::Impl::Record() {
  ws.seam().ShowMessage(
      "Recording is not available in this version of Zelomat.\n\nThe step keeps the actions it holds and plays them "
      "back when it runs.",
      "Zelomat", MessageButtons::Ok, MessageIcon::Information);
}

// ---- the in-place editors ----

LRESULT CALLBACK PropertiesPalette::Impl::EditorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // The editor (or the edit inside an editable list) carries the palette's
  // Impl and its own window procedure, which serves it to the end (its text
  // is read after the palette has let it go).
  auto* self = reinterpret_cast<Impl*>(GetPropW(hwnd, kPaletteProp));
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kProcProp));
  if (!original) return DefWindowProcW(hwnd, msg, wp, lp);
  if (!self || (hwnd != self->edit && GetParent(hwnd) != self->edit)) return CallWindowProcW(original, hwnd, msg, wp, lp);
  const bool control = GetKeyState(VK_CONTROL) < 0;
  switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | CallWindowProcW(original, hwnd, msg, wp, lp);
    case WM_KEYDOWN:
      // An open drop-down list closes first; Escape again cancels.
      if (wp == VK_ESCAPE && !(self->list && SendMessageW(self->edit, CB_GETDROPPEDSTATE, 0, 0))) {
        PostMessageW(self->hwnd, kMsgCloseEditor, 0, reinterpret_cast<LPARAM>(self->edit));
        return 0;
      }
      if (wp == VK_RETURN && (!self->multi_line || control)) {
        PostMessageW(self->hwnd, kMsgCloseEditor, 1, reinterpret_cast<LPARAM>(self->edit));
        return 0;
      }
      break;
    case WM_CHAR:
      // The characters of the keys handled above (and Ctrl+Enter's line feed).
      if (wp == 0x1B || wp == 0x0A || (wp == '\r' && !self->multi_line)) return 0;
      if (wp == 1 && self->multi_line) {  // Ctrl+A: select everything, as single-line edits do
        SendMessageW(hwnd, EM_SETSEL, 0, -1);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemovePropW(hwnd, kPaletteProp);
      RemovePropW(hwnd, kProcProp);
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      break;
    default: break;
  }
  return CallWindowProcW(original, hwnd, msg, wp, lp);
}

void PropertiesPalette::Impl::Subclass(HWND control) {
  SetPropW(control, kPaletteProp, this);
  SetPropW(control, kProcProp, reinterpret_cast<HANDLE>(GetWindowLongPtrW(control, GWLP_WNDPROC)));
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditorProc));
}

void PropertiesPalette::Impl::OpenEditor(int row) {
  const PropertyRow* r = Row(row);
  const StepRecord* s = Step();
  if (!r || !s || edit) return;
  if (editor.running()) return ShowRefusal(EditOutcome::Refused);
  if (r->kind == KIND_CHECK || r->kind == KIND_RECORD) return;
  SetFocusRow(row);
  RECT rc = EditorRect(row);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring current = AnsiToWide(EditorText(*s, *r));
  multi_line = r->kind == KIND_MULTILINE;
  list = r->kind == KIND_LIST;
  HWND created = nullptr;
  if (r->kind == KIND_LIST) {
    const DWORD style = WS_CHILD | WS_VSCROLL | (ListTakesTypedValue(*r) ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
    created = CreateWindowExW(0, WC_COMBOBOXW, L"", style, rc.left, rc.top, rc.right - rc.left, 12 * row_h, hwnd,
                              reinterpret_cast<HMENU>(kEditorId), instance, nullptr);
    if (!created) return;
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const std::string& item : RowChoices(*r))
      SendMessageW(created, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AnsiToWide(item).c_str()));
    LRESULT at = SendMessageW(created, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(current.c_str()));
    if (at == CB_ERR && ListTakesTypedValue(*r))
      SetWindowTextW(created, current.c_str());
    else
      SendMessageW(created, CB_SETCURSEL, at == CB_ERR ? 0 : at, 0);
    // The list's height must leave the row's own height alone.
    SendMessageW(created, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), row_h - 6);
  } else {
    DWORD style = WS_CHILD | WS_BORDER | ES_AUTOHSCROLL;
    if (r->kind == KIND_PASSWORD) style |= ES_PASSWORD;
    if (multi_line) {
      style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
      style &= ~ES_AUTOHSCROLL;
      // Downwards from the row when there is room, else upwards.
      const int height = kMultiLineRows * row_h;
      if (rc.top + height <= GridBottom()) {
        rc.bottom = rc.top + height;
      } else {
        rc.top = std::max(0, static_cast<int>(rc.bottom) - height);
      }
    }
    created = CreateWindowExW(0, L"EDIT", L"", style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hwnd,
                              reinterpret_cast<HMENU>(kEditorId), instance, nullptr);
    if (!created) return;
    SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The field's own limit (beyond the control's default of 32K for the
    // unbounded texts): a long paste is cut here, never stored past it.
    const std::size_t limit = FieldLimit(r->field);
    SendMessageW(created, EM_SETLIMITTEXT, limit ? limit : 0x7FFFFFFE, 0);
    SetWindowTextW(created, current.c_str());
    SendMessageW(created, EM_SETSEL, 0, -1);
  }
  edit = created;
  edit_row = row;
  Subclass(edit);
  if (HWND inner = r->kind == KIND_LIST ? GetWindow(edit, GW_CHILD) : nullptr) Subclass(inner);
  ShowWindow(edit, SW_SHOW);
  SetFocus(edit);
  if (r->kind == KIND_LIST && !ListTakesTypedValue(*r)) SendMessageW(edit, CB_SHOWDROPDOWN, TRUE, 0);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PropertiesPalette::Impl::CloseEditor(bool keep) {
  if (!edit) return;
  HWND closing = edit;
  const int row = edit_row;
  edit = nullptr;  // the focus change below must not close it twice
  edit_row = -1;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(closing)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(closing, text.data(), static_cast<int>(text.size()))));
  const bool had_focus = GetFocus() == closing || IsChild(closing, GetFocus());
  if (had_focus) SetFocus(hwnd);
  DestroyWindow(closing);
  multi_line = list = false;
  if (keep) {
    const PropertyRow* r = Row(row);
    if (r) Apply(row, r->kind == KIND_LIST ? StoredChoice(*r, WideToAnsi(text)) : WideToAnsi(text));
  }
  InvalidateRect(hwnd, nullptr, FALSE);
}

void PropertiesPalette::Impl::Apply(int row, const std::string& text) {
  const PropertyRow* r = Row(row);
  if (!r || !Step()) return;
  ShowRefusal(editor.ApplyText(step, *r, text, CommandGroup()));
}

// ---- the picking tools ----

void PropertiesPalette::Impl::UseTool(const ToolInfo& tool, int row, POINT screen) {
  const PropertyRow* r = Row(row);
  const StepRecord* s = Step();
  if (!r || !s) return;
  const std::string current = FieldText(*s, r->field);
  std::string picked;
  switch (tool.bit) {
    case TOOL_FILE:
      if (!ChooseFile(hwnd, current, (r->tools & TOOL_PREVIEW) != 0, &picked)) return;
      break;
    case TOOL_FOLDER:
      if (!ChooseFolder(hwnd, current, &picked)) return;
      break;
    case TOOL_WINDOW_FINDER:
      picked = PickWindowSpec(screen, s->options.view(), r->label.view().find("Control") != std::string_view::npos);
      if (picked.empty()) return;
      break;
    case TOOL_MOUSE: picked = PrintfText("%d, %d", static_cast<int>(screen.x), static_cast<int>(screen.y)); break;
    case TOOL_MOUSE_IN_WINDOW: {
      const POINT in = PointInWindow(screen);
      picked = PrintfText("%d, %d", static_cast<int>(in.x), static_cast<int>(in.y));
      break;
    }
    case TOOL_DROPPER: picked = PickColorText(screen); break;
    case TOOL_CAPTURE:
      if (editor.running() || !Capture(current, &picked)) return;
      break;
    case TOOL_PREVIEW: {
      std::string error;
      if (!PreviewImageFile(GetAncestor(hwnd, GA_ROOT), current, &preview, &error))
        ws.seam().ShowMessage(error, "Zelomat Warning", MessageButtons::Ok, MessageIcon::Warning);
      return;
    }
    default: return;
  }
  Apply(row, picked);
  InvalidateRect(hwnd, nullptr, FALSE);
}

bool PropertiesPalette::Impl::Capture(const std::string& current, std::string* file) {
  POINT from, to;
  // The file first: its dialog must be gone from the screen before the capture.
  if (!ChooseCaptureFile(hwnd, current, file) || !PickScreenRegion(&from, &to)) return false;
  if (CaptureToImageFile(from, to, *file)) return true;
  ws.seam().ShowMessage("Unable to save the image to '" + *file + "'", "Zelomat Warning", MessageButtons::Ok,
                        MessageIcon::Warning);
  return false;
}

// ---- the contract ----

PropertiesPalette::PropertiesPalette(Workspace& ws) : impl_(std::make_unique<Impl>(ws)) {}
PropertiesPalette::~PropertiesPalette() {
  if (impl_->hwnd) {
    SetWindowLongPtrW(impl_->hwnd, GWLP_USERDATA, 0);  // no messages reach a palette being taken apart
    DestroyWindow(impl_->hwnd);
  }
}

bool PropertiesPalette::Create(HWND parent) {
  impl_->Create(parent);
  return impl_->hwnd != nullptr;
}

HWND PropertiesPalette::hwnd() const { return impl_->hwnd; }
void PropertiesPalette::ShowStep(int step) { impl_->ShowStep(step); }

void PropertiesPalette::Refresh() {
  if (impl_->edit) impl_->CloseEditor(false);  // the field may have changed under it
  impl_->Rebuild(true);
}

void PropertiesPalette::SetRunning(bool running) {
  // An edit in progress is kept before the run starts reading the steps.
  if (running && impl_->edit) impl_->CloseEditor(true);
  impl_->editor.SetRunning(running);
  if (impl_->hwnd) InvalidateRect(impl_->hwnd, nullptr, FALSE);
}

void PropertiesPalette::ResetRowHeight() {
  impl_->row_h = impl_->font_height + 6;
  WriteSettingNumber(setting::kPropertiesRowHeight, static_cast<uint32_t>(impl_->row_h));
  if (impl_->hwnd) impl_->Layout();
}

bool PropertiesPalette::EditorHasFocus() const {
  HWND focus = GetFocus();
  return impl_->edit && focus && (focus == impl_->edit || IsChild(impl_->edit, focus));
}

std::string PropertiesPalette::HelpTopic() const {
  return impl_->sheet.help_topic ? impl_->sheet.help_topic : "";
}

}  // namespace zelo
