#include "ui/startup_actions_win.h"

#include <string>

#include "model/script_slot.h"
#include "settings/settings.h"
#include "ui/ansi_text_win.h"

namespace zelo {

namespace {
void ShowStartupError(const std::string& text) {
  std::wstring wide = AnsiToWide(text);
  MessageBoxW(nullptr, wide.c_str(), L"Zelomat Error", MB_OK | MB_ICONWARNING | MB_TASKMODAL | MB_SETFOREGROUND);
}
}  // namespace

void MainWindowStartup::SetUserVariable(std::string_view name, std::string_view value) {
  // Called once the main window exists, so that in local variable mode the
  // variables reach the subkey the first tab's script reads.
  bool local_mode = ReadSetting("SOFTWARE\\Zelomat\\LocalVariables") != 0;
  intptr_t window = reinterpret_cast<intptr_t>(window_.hwnd());
  WriteSetting(CommandLineVariablePath(name, local_mode, window), value);
}

bool MainWindowStartup::LoadScript(std::string_view path) {
  if (loader_) return loader_(path);
  ShowStartupError("Unable to open " + std::string(path) + "\n\nThis build of Zelomat cannot load script files.");
  return false;
}

void MainWindowStartup::OpenUntitled() {
  ScriptSlot& slot = window_.workspace().slots[0];
  CloseScriptSteps(slot);
  slot.undo.clear();
  slot.file_name = kUntitled;
  SetWindowTextW(window_.hwnd(), L"(Untitled) - Zelomat");
}

bool MainWindowStartup::StartRun() {
  if (run_starter_) return run_starter_();
  ShowStartupError("Unable to run the script\n\nThis build of Zelomat cannot run scripts.");
  return false;
}

bool MainWindowStartup::FileExists(std::string_view path) {
  std::wstring wide = AnsiToWide(path);
  DWORD attributes = GetFileAttributesW(wide.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace zelo
