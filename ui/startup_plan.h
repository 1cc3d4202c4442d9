// Start-up after the command line is parsed: storing its variables, opening
// the script, starting its run, and the decisions the rest of the program
// takes from the start-up bits (when a run minimises or restores the window,
// when the program ends after a run, whether a run clears the variables).
//
// The sequence is portable; what it does to the program goes through
// StartupActions, which the main window implements.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/command_line.h"

namespace zelo {

class StartupActions {
 public:
  virtual ~StartupActions() = default;
  // Stores one user variable from the command line.
  virtual void SetUserVariable(std::string_view name, std::string_view value) = 0;
  // Loads the file into the first slot as the Open command does: on failure
  // the loader has shown its error and kept the recent-file list. True when
  // the first slot now holds the script.
  virtual bool LoadScript(std::string_view path) = 0;
  // The first slot becomes a new, empty "(Untitled)" script.
  virtual void OpenUntitled() = 0;
  // Starts a full run of the first slot as the Run command does. False when
  // no run started (an empty script).
  virtual bool StartRun() = 0;
  virtual bool FileExists(std::string_view path) = 0;
};

enum class StartupOutcome {
  RunMessageLoop,  // the program goes on; a hidden run ends it when the run ends
  EndProgram,      // end now, before the message loop, with ProcessExitCode()
};

// The program-wide start-up bits, kept for the run engine and the main window.
void SetStartBits(uint32_t bits);
uint32_t StartBits();

// Runs the start-up sequence once the main window exists (hidden when
// START_HIDDEN is set): command-line variables are stored; the named script is
// loaded into the first slot, or the slot becomes "(Untitled)"; with START_RUN
// a loaded script starts to run. With nothing on the command line and
// "AutoReload" set, the most recent file is opened when it exists.
//
// A hidden run that cannot run its script (no file named, load failed, run
// refused) ends the program with kExitScriptNotLoaded instead of staying
// invisible with no run to end it.
StartupOutcome RunStartup(const CommandLine& command_line, StartupActions& actions);

// The setting path a command-line variable is stored at. Shared variables live
// directly under "SOFTWARE\Zelomat\UserVariables"; in local variable mode
// ("LocalVariables" non-zero) under the subkey of the first tab of this
// program's main window, the one the command line's script runs in.
std::string CommandLineVariablePath(std::string_view name, bool local_mode, intptr_t main_window);

// The splash screen shows at start when "ShowSplash" is set, except for runs.
bool ShouldShowSplash(uint32_t start_bits);
// The very first start of the program ("RunAtLeastOnce" still 0).
bool IsFirstStart();

// Decisions of the run engine.
inline constexpr int32_t kRepeatForever = 2000000000;  // run-repeat counter of "Set Run Repeats" -1
// "MinimizeStart" minimises the window when a run starts; a hidden window
// stays hidden (minimising would show it on the task bar).
bool ShouldMinimizeAtRunStart(uint32_t start_bits);
// "ReturnWhenDone" restores the window after a run, never for a hidden run.
bool ShouldRestoreAfterRun(uint32_t start_bits);
// A hidden run closes the program when it ends, but only once no run repeats
// remain: a counter above 0 (or kRepeatForever) means the repeats run first.
bool ShouldCloseAfterRun(uint32_t start_bits, int32_t repeat_counter);
// A full run clears all user variables when "ResetUserVariables" is set, this
// is the only running instance and no variable came from the command line.
bool ShouldClearVariablesAtRunStart(uint32_t start_bits, bool other_instance_running);

}  // namespace zelo
