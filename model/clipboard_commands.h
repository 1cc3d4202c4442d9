// Copy, Cut and Paste of steps. Steps travel through the clipboard as plain
// text in the script file's step form, so they can go between scripts, to
// other instances of the program and to a text editor and back.
#pragma once

#include <cstdint>
#include <vector>

#include "model/workspace.h"

namespace zelo {

// Copies the selected steps; returns how many (0 when nothing was copied).
int CopySteps(Workspace& ws, const std::vector<int>& selection);
// Copy, then Delete; nothing is deleted unless the copy succeeded.
bool CutSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection);
// Inserts the clipboard's steps before the first selected row, or at the end.
// Undo restores the script as it was. Returns the number of steps pasted.
int PasteSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection);

}  // namespace zelo
