#include "engine/exit_code.h"

#include <atomic>

#include "settings/defaults.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {
// Written by the run thread, read by the main thread when the program ends.
std::atomic<bool> g_set{false};
std::atomic<int32_t> g_code{0};
std::atomic<bool> g_failed{false};
}  // namespace

void SetExitCode(int32_t code) {
  g_code.store(code);
  g_set.store(true);
}

bool ExitCodeIsSet() { return g_set.load(); }

void ClearExitCode() {
  g_set.store(false);
  g_code.store(0);
  g_failed.store(false);
}

void NoteRunFailed() { g_failed.store(true); }

int32_t ProcessExitCode() {
  if (g_set.load()) return g_code.load();
  if (g_failed.load()) {
    return ReadOptionOrDefault(setting::kFailedReturnCodeName);
  }
  return ReadSetting(setting::kDefaultReturnCode);
}

}  // namespace zelo
