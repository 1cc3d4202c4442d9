// The substitution context of Zelomat.exe: the clock, time zone,
// environment, folders, Windows version, windows, mouse, screen, temporary
// files and clipboard of the real machine. What only the program knows (its
// main window, the tabs' scripts, the run engine's counters, the run log)
// is handed in by start-up through ProgramFacts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "expr/substitution_context.h"

namespace zelo {

// Hooks into the program, set at start-up before any run. A hook that is not
// set answers as if the program had nothing there: no script, counter 0, no
// window found by a window lookup, no log.
struct ProgramFacts {
  std::function<std::string(int slot)> script_file;
  std::function<int32_t(int slot)> loop_counter;
  std::function<int32_t(int slot)> run_repeats;
  // The window found by the last window lookup (CurrentWindow).
  std::function<HWND()> current_window;
  // One finished run-log line.
  std::function<void(std::string_view line)> log;
};

class WinSubstitutionContext : public SubstitutionContext {
 public:
  WinSubstitutionContext();

  // The main window: it names the local-variable subkeys and owns what a
  // step puts on the clipboard.
  void set_main_window(HWND window) { main_window_ = window; }
  void set_program_facts(ProgramFacts facts) { facts_ = std::move(facts); }

  int64_t Now() override;
  CivilTime LocalTime(int64_t seconds) override;
  uint32_t TickCount() override;
  bool EnvironmentVariable(std::string_view name, std::string* value) override;
  std::string ProgramFolder() override { return program_folder_; }
  int64_t MainWindowHandle() override;
  std::string ScriptFileName(int slot) override;
  int32_t LoopCounter(int slot) override;
  int32_t RunRepeats(int slot) override;
  std::string SystemFolder() override;
  std::string WindowsFolder() override;
  std::string CurrentFolder() override;
  OsVersion WindowsVersion() override;
  bool CurrentWindowRect(ScreenRect* rect) override;
  std::string ForegroundWindowTitle() override;
  int64_t ForegroundWindowHandle() override;
  std::string ForegroundWindowClass() override;
  void MousePosition(int32_t* x, int32_t* y) override;
  void ScreenSize(int32_t* width, int32_t* height) override;
  std::string CreateTempFile() override;
  std::string ClipboardText() override;
  bool SetClipboardText(std::string_view text) override;
  void EmptyClipboard() override;
  void WriteLog(std::string_view line) override;
  // The program has no variables palette yet: nothing shows variables.
  void ShowVariable(std::string_view, std::string_view, bool) override {}
  void RemoveVariable(std::string_view) override {}

 private:
  HWND main_window_ = nullptr;
  std::string program_folder_;  // found once: the executable does not move
  ProgramFacts facts_;
};

// The folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

}  // namespace zelo
