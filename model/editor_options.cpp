#include "model/editor_options.h"

#include "model/setting_or_default.h"

namespace zelo {

int32_t MaxUndoSteps() { return ReadSettingOr("SOFTWARE\\Zelomat\\MaxUndo", 500); }
bool InsertNewStepAfter() { return ReadSettingOr("SOFTWARE\\Zelomat\\InsertNewStep", 0) != 0; }
bool PromptSaveChanges() { return ReadSettingOr("SOFTWARE\\Zelomat\\PromptSave", 1) != 0; }

std::string DefaultFailureModeSetting() { return ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode", 63); }
std::string DefaultFailureJumpSetting() { return ReadSettingText("SOFTWARE\\Zelomat\\DefaultFailureMode_Jump", 63); }

}  // namespace zelo
