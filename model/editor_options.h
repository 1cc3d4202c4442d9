// The editor options that editing commands consult. Start-up writes every
// missing default, but a value that is still missing (first run, reset in
// progress, tests) reads as its default here rather than as 0.
#pragma once

#include <cstdint>
#include <string>

namespace zelo {

// "MaxUndo": selections of at least this many rows are edited without undo.
int32_t MaxUndoSteps();
// "InsertNewStep": non-zero inserts new steps after the selected row.
bool InsertNewStepAfter();
// "PromptSave": ask before closing a script with unsaved changes.
bool PromptSaveChanges();
// "DefaultFailureMode" and "DefaultFailureMode_Jump", at most 63 characters each.
std::string DefaultFailureModeSetting();
std::string DefaultFailureJumpSetting();

}  // namespace zelo
