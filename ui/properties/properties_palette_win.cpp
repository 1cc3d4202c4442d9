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
#include "ui/properties/palette_impl_win.h"

namespace zelo {

using namespace palette;

namespace {

constexpr wchar_t kPaletteClass[] = L"ZeloProperties";

const ToolInfo kTools[] = {
    {TOOL_FILE, L"...", kChooseFileTip, false},        {TOOL_FOLDER, L"Dir", kChooseFolderTip, false},
    {TOOL_WINDOW_FINDER, L"Win", kFindWindowTip, true}, {TOOL_MOUSE, L"X,Y", kMouseTip, true},
    {TOOL_MOUSE_IN_WINDOW, L"Xw", kMouseInWindowTip, true}, {TOOL_DROPPER, L"Pix", kDropperTip, true},
    {TOOL_CAPTURE, L"Cap", kCaptureTip, false},        {TOOL_PREVIEW, L"View", kPreviewTip, false},
};

}  // namespace

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
  // The same step again (a late notice of the selection the user just made)
  // leaves a field being edited alone.
  if (edit && new_step == step && ws.current == slot) return;
  if (edit) CloseEditor(true);
  step = new_step;
  slot = ws.current;
  Rebuild(false);
  // The palette's own text names the step it shows (for screen readers and
  // for tools that wait until it follows the selection).
  const StepRecord* s = Step();
  SetWindowTextW(hwnd, s ? AnsiToWide(PrintfText("%d %s", step + 1, s->action.c_str())).c_str() : L"");
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
      // "MinimizeFindWin": the program steps aside so the window behind it
      // can be picked; the capture stays with the palette.
      if (pressed->bit == TOOL_WINDOW_FINDER && ReadSetting(setting::kMinimizeFindWin) != 0) {
        minimized_for_pick = GetAncestor(hwnd, GA_ROOT);
        ShowWindow(minimized_for_pick, SW_MINIMIZE);
      }
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
  if (minimized_for_pick) {
    // The palette moved with its minimised window: where the pointer is.
    const DWORD at = GetMessagePos();
    screen = POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    pt = POINT{-1, -1};
    ShowWindow(minimized_for_pick, SW_RESTORE);
    minimized_for_pick = nullptr;
  }
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
