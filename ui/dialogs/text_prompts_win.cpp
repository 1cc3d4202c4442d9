#include "ui/dialogs/text_prompts_win.h"

#include "base/ansi_text_win.h"
#include "ui/dialogs/dialog_helpers_win.h"

namespace zelo {

namespace {

constexpr int kPromptId = 101;
constexpr int kEditId = 102;
constexpr int kUpId = 103;
constexpr int kDownId = 104;

struct TextBox {
  std::string prompt;
  std::string text;
  std::size_t max_chars = 0;
};

INT_PTR CALLBACK TextBoxProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* box = reinterpret_cast<TextBox*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      box = reinterpret_cast<TextBox*>(lp);
      SetDialogItemText(dlg, kPromptId, box->prompt);
      SetDialogItemText(dlg, kEditId, box->text);
      SendDlgItemMessageW(dlg, kEditId, EM_SETLIMITTEXT, box->max_chars, 0);
      SendDlgItemMessageW(dlg, kEditId, EM_SETSEL, 0, -1);
      CentreOverOwner(dlg);
      SetFocus(GetDlgItem(dlg, kEditId));
      return FALSE;  // the focus was set here
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) box->text = DialogItemText(dlg, kEditId, box->max_chars);
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

struct FindBox {
  FindRequest request;
};

INT_PTR CALLBACK FindBoxProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* box = reinterpret_cast<FindBox*>(GetWindowLongPtrW(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      box = reinterpret_cast<FindBox*>(lp);
      SetDialogItemText(dlg, kEditId, box->request.text);
      SendDlgItemMessageW(dlg, kEditId, EM_SETLIMITTEXT, kMaxFindText, 0);
      SendDlgItemMessageW(dlg, kEditId, EM_SETSEL, 0, -1);
      CheckRadioButton(dlg, kUpId, kDownId, box->request.direction == SearchDirection::Up ? kUpId : kDownId);
      CentreOverOwner(dlg);
      SetFocus(GetDlgItem(dlg, kEditId));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        box->request.text = DialogItemText(dlg, kEditId, kMaxFindText);
        box->request.direction = IsDlgButtonChecked(dlg, kUpId) ? SearchDirection::Up : SearchDirection::Down;
      }
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wp));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::string> AskText(HWND owner, std::string_view title, std::string_view prompt,
                                   std::string_view initial, std::size_t max_chars) {
  DialogTemplate t(AnsiToWide(title), 200, 78, DialogTemplate::kModalBox);
  t.Add(kPromptId, L"STATIC", L"", SS_LEFT, 7, 4, 186, 24);
  t.Add(kEditId, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 32, 186, 14);
  t.Add(IDOK, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 89, 56, 50, 14);
  t.Add(IDCANCEL, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 143, 56, 50, 14);
  TextBox box{std::string(prompt), std::string(initial), max_chars};
  if (t.Run(owner, TextBoxProc, reinterpret_cast<LPARAM>(&box)) != IDOK) return std::nullopt;
  return box.text;
}

std::optional<FindRequest> AskFind(HWND owner, const FindRequest& initial) {
  DialogTemplate t(L"Find", 240, 64, DialogTemplate::kModalBox);
  t.Add(0, L"STATIC", L"Fi&nd what:", SS_LEFT, 7, 9, 40, 10);
  t.Add(kEditId, L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 7, 128, 14);
  t.Add(0, L"BUTTON", L"Direction", BS_GROUPBOX, 50, 27, 128, 28);
  t.Add(kUpId, L"BUTTON", L"&Up", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 58, 39, 40, 10);
  t.Add(kDownId, L"BUTTON", L"&Down", BS_AUTORADIOBUTTON, 110, 39, 50, 10);
  t.Add(IDOK, L"BUTTON", L"Find &Next", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 184, 7, 50, 14);
  t.Add(IDCANCEL, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 184, 25, 50, 14);
  FindBox box{initial};
  if (t.Run(owner, FindBoxProc, reinterpret_cast<LPARAM>(&box)) != IDOK || box.request.text.empty())
    return std::nullopt;
  return box.request;
}

}  // namespace zelo
