#include "ui/dialogs/dialog_template_win.h"

#include "actions/programs/program_platform.h"
#include "base/ansi_text_win.h"

namespace zelo {

namespace {

void PutDword(std::vector<WORD>& w, DWORD v) {
  w.push_back(LOWORD(v));
  w.push_back(HIWORD(v));
}

}  // namespace

DialogTemplate::DialogTemplate(std::wstring_view title, short width, short height, DWORD style) {
  // DLGTEMPLATE: style, extended style, item count (filled in by Add), x, y, cx, cy.
  PutDword(words_, style | DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  PutDword(words_, 0);
  words_.push_back(0);
  words_.push_back(0);
  words_.push_back(0);
  words_.push_back(static_cast<WORD>(width));
  words_.push_back(static_cast<WORD>(height));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the system's dialog class
  AddWords(title);
  words_.push_back(8);  // point size of the font
  AddWords(L"MS Shell Dlg");
}

void DialogTemplate::AddWords(std::wstring_view text) {
  for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
  words_.push_back(0);
}

void DialogTemplate::Align() {
  if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD boundary
}

void DialogTemplate::Add(WORD id, const wchar_t* cls, std::wstring_view text, DWORD style, short x, short y,
                         short width, short height, DWORD ex_style) {
  Align();
  PutDword(words_, style | WS_CHILD | WS_VISIBLE);
  PutDword(words_, ex_style);
  words_.push_back(static_cast<WORD>(x));
  words_.push_back(static_cast<WORD>(y));
  words_.push_back(static_cast<WORD>(width));
  words_.push_back(static_cast<WORD>(height));
  words_.push_back(id);
  AddWords(cls);
  AddWords(text);
  words_.push_back(0);  // no creation data
  ++words_[4];          // the template's item count
}

INT_PTR DialogTemplate::Run(HWND owner, DLGPROC proc, LPARAM param) const {
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(words_.data()),
                                 owner, proc, param);
}

std::string DialogItemText(HWND dialog, int id, std::size_t max_chars) {
  std::wstring w(max_chars + 1, L'\0');
  const int n = GetDlgItemTextW(dialog, id, w.data(), static_cast<int>(w.size()));
  w.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  std::string text = WideToAnsi(w);
  if (text.size() > max_chars) text.resize(max_chars);
  return text;
}

void SetDialogItemText(HWND dialog, int id, std::string_view text) {
  SetDlgItemTextW(dialog, id, AnsiToWide(text).c_str());
}

int ShowEditorBox(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return MessageBoxW(owner, AnsiToWide(text).c_str(), AnsiToWide(caption).c_str(),
                     flags | MB_TASKMODAL | MB_SETFOREGROUND);
}

std::string ProgramFolderFile(std::string_view name) {
  std::string path = OwnProgramPath();
  const std::size_t slash = path.find_last_of("\\/");
  path.resize(slash == std::string::npos ? 0 : slash + 1);
  return path + std::string(name);
}

void CentreOverOwner(HWND window) {
  RECT area;
  HWND owner = GetWindow(window, GW_OWNER);
  if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &area))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT r;
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(window, nullptr, area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zelo
