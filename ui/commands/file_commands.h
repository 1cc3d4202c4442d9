// The file commands around loading and saving, with the questions they ask
// through the workspace's seam: Open (and Recent File), Save, Save As, Save All.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/workspace.h"

namespace zelo {

// Open of a chosen path: a file open in a tab is selected and the user asked
// whether to revert to the saved copy (No keeps it as it is); then a slot is
// found and the file loaded, put on the recent list and reported in the
// status bar. A failed load leaves an "(Untitled)" script open and says
// "Error while opening". True when the file is open afterwards.
bool OpenScriptPath(Workspace& ws, std::string_view path);

// Asks for a file name to save a script under (the current name offered);
// an empty answer is a cancel.
using AskSaveName = std::function<std::string(std::string_view current)>;
// Tells whether a file is there (Save As asks before it replaces one).
using FileThere = std::function<bool(const std::string& path)>;

// Save As: the name gets ".zxm" when it has no "."; an existing file is
// replaced only after the user said Yes. True when saved.
bool SaveSlotAs(Workspace& ws, int slot, const AskSaveName& ask, const FileThere& exists);
// Save: Save As for an untitled script, else written to its file (which is
// made again when it vanished since it was opened). True when saved.
bool SaveSlot(Workspace& ws, int slot, const AskSaveName& ask, const FileThere& exists);
// Save All: every modified script; stops at the first that was not saved.
bool SaveAllSlots(Workspace& ws, const AskSaveName& ask, const FileThere& exists);

}  // namespace zelo
