// The control helpers and message boxes the option pages share.
#include <windows.h>
#include <commctrl.h>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "ui/options/options_page_win.h"

namespace zelo {

void SetCheck(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool GetCheck(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void SetControlText(HWND page, int id, const std::string& text) {
  SetDlgItemTextW(page, id, AnsiToWide(text).c_str());
}

std::string GetControlText(HWND page, int id) {
  HWND control = GetDlgItem(page, id);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return WideToAnsi(text);
}

void FillDropList(HWND page, int id, const std::vector<std::string>& items, int selected) {
  HWND list = GetDlgItem(page, id);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AnsiToWide(item).c_str()));
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int DropListSelection(HWND page, int id) {
  return static_cast<int>(SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
}

std::string DropListText(HWND page, int id) {
  const int i = DropListSelection(page, id);
  if (i < 0) return std::string();
  HWND list = GetDlgItem(page, id);
  std::wstring text(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)) + 1,
                    L'\0');
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
  text.resize(text.size() - 1);
  return WideToAnsi(text);
}

void ShowControl(HWND page, int id, bool shown) { ShowWindow(GetDlgItem(page, id), shown ? SW_SHOW : SW_HIDE); }

namespace {
int Box(HWND owner, const std::string& text, const wchar_t* caption, UINT flags) {
  return MessageBoxW(owner, AnsiToWide(text).c_str(), caption, flags | MB_TASKMODAL | MB_SETFOREGROUND);
}
}  // namespace

void NoticeBox(HWND owner, const std::string& text) { Box(owner, text, L"System Message", MB_OK | MB_ICONINFORMATION); }
bool QuestionBox(HWND owner, const std::string& text) {
  return Box(owner, text, L"Zelomat Warning", MB_YESNO | MB_ICONQUESTION) == IDYES;
}
void FailureBox(HWND owner, const std::string& text) { Box(owner, text, L"Zelomat Error", MB_OK | MB_ICONWARNING); }

void OpenHelpTopic(HWND owner, const std::string& topic) {
  wchar_t program[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring help(program, n);
  help.resize(help.find_last_of(L'\\') + 1);
  help += L"Help.chm";
  const bool found = GetFileAttributesW(help.c_str()) != INVALID_FILE_ATTRIBUTES;
  // The HTML Help viewer is a system library that may be missing as well.
  // It stays loaded: the help window it opens lives on in it.
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
  static Library viewer;
  if (found && !viewer) viewer.reset(LoadLibraryW(L"hhctrl.ocx"));
  const auto html_help = LibraryFunction<HtmlHelpFunction>(viewer, "HtmlHelpW");
  constexpr UINT kDisplayTopic = 0;
  if (!found || !html_help || !html_help(owner, (help + L"::" + AnsiToWide(topic)).c_str(), kDisplayTopic, 0))
    FailureBox(owner, "Unable to find the help file.\n\nPlease reinstall to correct this problem.");
}

}  // namespace zelo
