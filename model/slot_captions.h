// What the editor shows for a slot: its tab caption, the window title and the
// Undo command. A script counts as modified exactly while its undo buffer
// holds records, which the "* " prefix shows.
#pragma once

#include <string>
#include <string_view>

#include "model/workspace.h"

namespace zelo {

// The file name as shown: without its folder, or the full path when
// "ShowFullFilesInTabs" is on.
std::string ShownFileName(std::string_view file_name);
// "* name" for a modified script, else "name".
std::string TabCaption(const ScriptSlot& slot);
// "* %s - Zelomat" / "%s - Zelomat".
std::string WindowTitle(const ScriptSlot& slot);
// After the kind of the last undo record: "Undo Add Step\tCtrl+Z", ...,
// "Undo\tCtrl+Z" for a snapshot or an empty buffer.
std::string UndoMenuText(const ScriptSlot& slot);

// Brings the tab of the slot up to date, and for the current slot also the
// title and the Undo command.
void ShowSlotState(Workspace& ws, int slot);

}  // namespace zelo
