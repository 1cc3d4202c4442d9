#include "ui/dialogs/dialog_helpers_win.h"

#include "actions/programs/program_platform.h"
#include "base/ansi_text_win.h"

namespace zelo {

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
