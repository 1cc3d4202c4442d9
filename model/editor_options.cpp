#include "model/editor_options.h"

#include "settings/settings.h"

namespace zelo {

namespace {
int32_t NumberOr(const char* path, int32_t fallback) {
  return SettingExists(path) ? ReadSetting(path) : fallback;
}
}  // namespace

int32_t MaxUndoSteps() { return NumberOr("SOFTWARE\\Zelomat\\MaxUndo", 500); }
bool InsertNewStepAfter() { return NumberOr("SOFTWARE\\Zelomat\\InsertNewStep", 0) != 0; }
bool PromptSaveChanges() { return NumberOr("SOFTWARE\\Zelomat\\PromptSave", 1) != 0; }
bool ShowFullFilesInTabs() { return NumberOr("SOFTWARE\\Zelomat\\ShowFullFilesInTabs", 0) != 0; }

std::string DefaultFailureModeSetting() { return ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode", 63); }
std::string DefaultFailureJumpSetting() { return ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode_Jump", 63); }

}  // namespace zelo
