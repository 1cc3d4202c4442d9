// "View &XML": the selected steps (all of them without a selection) in the
// XML form of the script file, in a read-only window that Escape closes.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/ansi_text_win.h"
#include "base/printf_text.h"
#include "base/win32_owners_win.h"
#include "model/script_file.h"
#include "model/selection.h"
#include "ui/dialogs/dialog_helpers_win.h"
#include "ui/dialogs/editor_dialogs_win.h"
#include "ui/dialogs/find_steps.h"

namespace zelo {

namespace {

constexpr wchar_t kViewXmlClass[] = L"ZeloViewXml";
constexpr UINT_PTR kEscapeSubclass = 1;

HFONT XmlFont() {
  static const GdiObject<HFONT> font(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                 FIXED_PITCH | FF_MODERN, L"Courier New"));
  return font.get();
}

// The text field has the focus: Escape there closes the window, Ctrl+A
// selects everything (a plain edit control does neither).
LRESULT CALLBACK EditKeys(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_KEYDOWN && wp == VK_ESCAPE) {
    PostMessageW(GetParent(edit), WM_CLOSE, 0, 0);
    return 0;
  }
  if (msg == WM_KEYDOWN && wp == 'A' && (GetKeyState(VK_CONTROL) & 0x8000)) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(edit, EditKeys, kEscapeSubclass);
  return DefSubclassProc(edit, msg, wp, lp);
}

LRESULT CALLBACK ViewXmlProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                      ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                  0, 0, 0, 0, w, nullptr, GetModuleHandleW(nullptr), nullptr);
      if (!edit) return -1;
      SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // past the default 32K characters
      SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(XmlFont()), FALSE);
      SetWindowSubclass(edit, EditKeys, kEscapeSubclass, 0);
      return 0;
    }
    case WM_SIZE:
      if (HWND edit = GetWindow(w, GW_CHILD)) MoveWindow(edit, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (HWND edit = GetWindow(w, GW_CHILD)) SetFocus(edit);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(w, msg, wp, lp);
}

bool RegisterViewXmlClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ViewXmlProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kViewXmlClass;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

}  // namespace

void ViewXmlCommand(HWND owner, Workspace& ws, const std::vector<int>& selection) {
  const ScriptSlot& slot = ws.current_slot();
  if (slot.step_count <= 0) {
    ws.seam().ShowMessage(kEmptyScriptMessage, "Zelomat Warning", MessageButtons::Ok, MessageIcon::Warning);
    return;
  }
  const std::vector<int> rows = SelectedSteps(slot, selection);
  std::string xml;
  const int written = WriteStepsXml(ws, rows.empty() ? nullptr : &rows, false, 0, xml);
  const std::string title = written == 1 ? PrintfText("View XML: Step #%d", rows.empty() ? 1 : rows.front() + 1)
                                          : PrintfText("View XML: %li steps", static_cast<long>(written));
  if (!RegisterViewXmlClass()) return;
  HWND w = CreateWindowExW(0, kViewXmlClass, AnsiToWide(title).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 640, 480, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!w) {
    ws.seam().ShowMessage("Unable to show the XML window", "Zelomat Error", MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  HWND edit = GetWindow(w, GW_CHILD);
  SetWindowTextW(edit, AnsiToWide(xml).c_str());
  SendMessageW(edit, EM_SETSEL, 0, 0);  // the first step in view, nothing selected
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  CentreOverOwner(w);
  ShowWindow(w, SW_SHOWNORMAL);
  SetFocus(edit);
}

}  // namespace zelo
