// What the editor shows about the undo state of a slot: the "* " marker of a
// modified script in its tab and the window title (named by slot_names.h),
// and the Undo command's state and text.
#pragma once

#include <string>

#include "model/workspace.h"

namespace zelo {

// After the kind of the last undo record: "Undo Add Step\tCtrl+Z", ...,
// "Undo\tCtrl+Z" for a snapshot or an empty buffer.
std::string UndoMenuText(const ScriptSlot& slot);

// Brings the tab of the slot up to date, and for the current slot also the
// title and the Undo command.
void ShowSlotState(Workspace& ws, int slot);

}  // namespace zelo
