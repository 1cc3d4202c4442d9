#include "model/editor_options.h"

#include <string>

#include "settings/defaults.h"
#include "settings/settings.h"

namespace zelo {

namespace {
// A missing option reads as its start-up default, not as 0.
int32_t OptionNumber(const char* name) {
  const std::string path = std::string(kSettingsKey) + "\\" + name;
  if (SettingExists(path)) return ReadSetting(path);
  const SettingDefault* d = FindSettingDefault(name);
  return d && d->kind == SettingDefault::Kind::Number ? static_cast<int32_t>(d->number) : 0;
}
}  // namespace

int32_t MaxUndoSteps() { return OptionNumber("MaxUndo"); }
bool InsertNewStepAfter() { return OptionNumber("InsertNewStep") != 0; }
bool PromptSaveChanges() { return OptionNumber("PromptSave") != 0; }

std::string DefaultFailureModeSetting() { return ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode", 63); }
std::string DefaultFailureJumpSetting() { return ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode_Jump", 63); }

}  // namespace zelo
