// The file commands' own texts and sequences around loading and saving.
#pragma once

#include <string>
#include <string_view>

#include "model/workspace.h"

namespace zelo {

// True when Save has no file to write to and must run Save As.
bool NeedsSaveAs(const ScriptSlot& slot);
// Save As: a name without "." gets ".zxm".
std::string WithScriptExtension(std::string_view name);

// The Save command on a slot that has a file: saves, clears the undo buffer
// (the script is no longer modified), updates title and tab, puts the file on
// top of the recent-file list and reports the size; a failure shows its
// message box and leaves the script modified.
bool SaveCommand(Workspace& ws, int slot);

// The status text after a successful open.
std::string OpenedStatusText(std::string_view file_name, long bytes, int steps);

}  // namespace zelo
