#include "ui/startup_plan.h"

#include <atomic>

#include "settings/settings.h"
#include "engine/exit_code.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {
std::atomic<uint32_t> g_start_bits{0};

bool SettingOn(const char* path) { return ReadSetting(path) != 0; }

// Loads the command line's script, or the most recent one with AutoReload;
// returns whether the first slot holds a script loaded from the command line.
bool OpenFirstSlot(const CommandLine& command_line, StartupActions& actions) {
  const uint32_t bits = command_line.start_bits;
  if ((bits & START_OPEN) && !command_line.file_name.empty()) {
    if (actions.LoadScript(command_line.file_name.view())) return true;
    actions.OpenUntitled();
    return false;
  }
  if ((bits & (START_OPEN | START_RUN | START_HIDDEN)) == 0 && SettingOn(setting::kAutoReload)) {
    std::string recent = ReadSettingText(SettingPath(setting::kRecentFilePattern, 1), 259);
    if (!recent.empty() && actions.FileExists(recent) && actions.LoadScript(recent)) return false;
  }
  actions.OpenUntitled();
  return false;
}
}  // namespace

void SetStartBits(uint32_t bits) { g_start_bits.store(bits); }
uint32_t StartBits() { return g_start_bits.load(); }

StartupOutcome RunStartup(const CommandLine& command_line, StartupActions& actions) {
  for (const CommandLineVariable& v : command_line.variables) actions.SetUserVariable(v.name, v.value);

  const uint32_t bits = command_line.start_bits;
  const bool hidden = (bits & START_HIDDEN) != 0;
  bool loaded = OpenFirstSlot(command_line, actions);

  if (hidden) {
    // Nothing will ever end an invisible program that has no run, so it ends
    // here, and says so through its exit code.
    if (!loaded || !actions.StartRun()) {
      SetExitCode(kExitScriptNotLoaded);
      return StartupOutcome::EndProgram;
    }
    return StartupOutcome::RunMessageLoop;
  }
  if (loaded && (bits & START_RUN)) actions.StartRun();
  return StartupOutcome::RunMessageLoop;
}

std::string CommandLineVariablePath(std::string_view name, bool local_mode, intptr_t main_window) {
  std::string prefix;
  if (local_mode) prefix = SettingPath("%ld_%d\\", static_cast<long>(main_window), 1);
  std::string n(name);
  return SettingPath("%s\\%s%s", setting::kUserVariables, prefix.c_str(), n.c_str());
}

bool ShouldShowSplash(uint32_t start_bits) {
  return (start_bits & START_RUN) == 0 && SettingOn(setting::kShowSplash);
}

bool IsFirstStart() { return ReadSetting(setting::kRunAtLeastOnce) == 0; }

bool ShouldMinimizeAtRunStart(uint32_t start_bits) {
  return (start_bits & START_HIDDEN) == 0 && SettingOn(setting::kMinimizeStart);
}

bool ShouldRestoreAfterRun(uint32_t start_bits) {
  return (start_bits & START_HIDDEN) == 0 && SettingOn(setting::kReturnWhenDone);
}

bool ShouldCloseAfterRun(uint32_t start_bits, int32_t repeat_counter) {
  return (start_bits & START_HIDDEN) != 0 && repeat_counter <= 0;
}

bool ShouldClearVariablesAtRunStart(uint32_t start_bits, bool other_instance_running) {
  return (start_bits & START_VARIABLES) == 0 && !other_instance_running &&
         SettingOn(setting::kResetUserVariables);
}

}  // namespace zelo
