#include "ui/startup_actions_win.h"

#include <string>

#include "base/ansi_text_win.h"
#include "model/script_commands.h"
#include "model/script_file.h"
#include "model/slots.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

void MainWindowStartup::SetUserVariable(std::string_view name, std::string_view value) {
  // Called once the main window exists, so that in local variable mode the
  // variables reach the subkey the first tab's script reads.
  bool local_mode = ReadSetting(setting::kLocalVariables) != 0;
  intptr_t window = reinterpret_cast<intptr_t>(window_.hwnd());
  WriteSetting(CommandLineVariablePath(name, local_mode, window), value);
}

bool MainWindowStartup::LoadScript(std::string_view path) {
  Workspace& ws = window_.workspace();
  // The empty "(Untitled)" script of a fresh start gives its slot up.
  int slot = FindFreeSlot(ws);
  if (slot < 0) return false;
  long bytes = 0;
  int steps = LoadScriptFile(ws, path, slot, &bytes);
  const ScriptSlot& loaded = ws.slots[static_cast<std::size_t>(slot)];
  // The loader has shown why it failed and taken the file off the recent list.
  if (loaded.is_free()) return false;
  ws.seam().AddRecentFile(loaded.file_name.view());
  ws.seam().SetStatusText(OpenedStatusText(loaded.file_name.view(), bytes, steps));
  return true;
}

void MainWindowStartup::OpenUntitled() { EnsureOpenScript(window_.workspace()); }

bool MainWindowStartup::StartRun() {
  if (run_starter_) return run_starter_();
  // No run engine is linked into this build yet: say so rather than act as if
  // the script had run.
  MessageBoxW(nullptr, L"Unable to run the script\n\nThis build of Zelomat cannot run scripts.", L"Zelomat Error",
              MB_OK | MB_ICONWARNING | MB_TASKMODAL | MB_SETFOREGROUND);
  return false;
}

bool MainWindowStartup::FileExists(std::string_view path) {
  std::wstring wide = AnsiToWide(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace zelo
