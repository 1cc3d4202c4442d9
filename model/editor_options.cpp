#include "model/editor_options.h"

#include <string>

#include "settings/defaults.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

int32_t MaxUndoSteps() { return ReadOptionOrDefault(setting::kMaxUndoName); }
bool InsertNewStepAfter() { return ReadOptionOrDefault(setting::kInsertNewStepName) != 0; }
bool PromptSaveChanges() { return ReadOptionOrDefault(setting::kPromptSaveName) != 0; }

std::string DefaultFailureModeSetting() { return ReadSettingText(setting::kDefaultFailureMode, 63); }
std::string DefaultFailureJumpSetting() { return ReadSettingText(setting::kDefaultFailureJump, 63); }

}  // namespace zelo
