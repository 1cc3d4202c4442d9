// The commands about files beside the script: its custom XML tags, its shell
// properties, the run log and the window lists.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "actions/windows/window_list.h"
#include "base/ansi_text_win.h"
#include "base/system_error_win.h"
#include "model/script_slot.h"
#include "settings/settings.h"
#include "settings/setting_names.h"
#include "ui/dialogs/dialog_helpers_win.h"
#include "ui/dialogs/editor_dialogs_win.h"
#include "ui/options/options_sheet_win.h"

namespace zelo {

namespace {

constexpr char kWarning[] = "Zelomat Warning";
constexpr char kError[] = "Zelomat Error";

// The size of a file, or -1 when it cannot be read (missing, a folder).
long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(AnsiToWide(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool ShellOpen(HWND owner, const std::string& path, std::string* error) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(owner, L"open", AnsiToWide(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return true;
  *error = SystemErrorText(GetLastError());
  return false;
}

}  // namespace

void CustomXmlTagsCommand(HWND owner, Workspace& ws) {
  const std::string tags = ws.current_slot().custom_xml_tags.str();
  std::string text = "The following special XML tags are included for the current file:\n\n";
  text += tags.empty() ? std::string("(none)") : tags;
  ShowEditorBox(owner, text, "Custom XML Tags", MB_OK | MB_ICONINFORMATION);
}

void FilePropertiesCommand(HWND owner, Workspace& ws) {
  const ScriptSlot& slot = ws.current_slot();
  if (slot.is_free() || slot.file_name == kUntitled) {
    ShowEditorBox(owner, "No file currently open", kWarning, MB_OK | MB_ICONWARNING);
    return;
  }
  // The shell wants the file's full path; a script opened from the command
  // line may be named relative to the folder the program started in.
  const std::wstring named = AnsiToWide(slot.file_name.view());
  std::wstring path(MAX_PATH * 4, L'\0');
  const DWORD n = GetFullPathNameW(named.c_str(), static_cast<DWORD>(path.size()), path.data(), nullptr);
  path = n > 0 && n < path.size() ? path.substr(0, n) : named;
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = L"properties";
  info.lpFile = path.c_str();
  info.nShow = SW_SHOW;
  // The file may have gone since it was opened: say so rather than show nothing.
  // Wine's shell has no properties sheet and says so here too.
  if (!ShellExecuteExW(&info))
    ShowEditorBox(owner, slot.file_name.str() + "\n\n" + SystemErrorText(GetLastError()), kError, MB_OK | MB_ICONERROR);
}

void OpenLogfileCommand(HWND owner) {
  const std::string path = ReadSettingText(setting::kLogfile, 259);
  if (!path.empty() && FileSize(path) > 0) {
    std::string error;
    if (!ShellOpen(owner, path, &error)) ShowEditorBox(owner, path + "\n\n" + error, kError, MB_OK | MB_ICONERROR);
    return;
  }
  if (ReadSetting(setting::kLog) != 0) {
    ShowEditorBox(owner, "The logfile is empty", kWarning, MB_OK | MB_ICONINFORMATION);
    return;
  }
  const int answer = ShowEditorBox(owner,
                                   "The logfile is empty, and logging is currently disabled.\n\nGo to \"Tools - "
                                   "Options\" to adjust the logfile settings.\n\nDo you want to go there now?",
                                   kWarning, MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES) ShowOptionsSheet(owner, OptionsPage::Logging);
}

void WindowListCommand(HWND owner, WindowListKind kind) {
  WindowQualifier qualifier = WindowQualifier::Any;
  if (kind == WindowListKind::MainWindows) qualifier = WindowQualifier::FramedTopLevel;
  if (kind == WindowListKind::Popups) qualifier = WindowQualifier::Framed;
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));  // IDC_WAIT: a large desktop takes a moment
  const bool shown = ShowWindowList(qualifier);
  SetCursor(previous);
  if (!shown) ShowEditorBox(owner, "Unable to open file", kError, MB_OK | MB_ICONERROR);
}

}  // namespace zelo
