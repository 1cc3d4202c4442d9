// The palette's in-place editors (one text, password, multi-line or list
// control over the row being edited) and the use of its picking tools.
#include "ui/properties/palette_impl_win.h"

#include <commctrl.h>

#include "base/printf_text.h"
#include "ui/properties/property_lists_win.h"

namespace zelo {

using namespace palette;

namespace {

constexpr wchar_t kPaletteProp[] = L"ZeloPalette";
constexpr wchar_t kProcProp[] = L"ZeloPaletteProc";

}  // namespace

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
      // In an open drop-down list Enter picks the highlighted item; the list
      // then reports it (CBN_SELENDOK) and the editor closes with it.
      if (wp == VK_RETURN && self->list && SendMessageW(self->edit, CB_GETDROPPEDSTATE, 0, 0)) break;
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

}  // namespace zelo
