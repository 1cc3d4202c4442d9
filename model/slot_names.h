// How a slot's file is named in its tab and in the window title.
#pragma once

#include <string>

#include "model/script_slot.h"

namespace zelo {

// The file name without its folder, or the full path when
// "SOFTWARE\Zelomat\ShowFullFilesInTabs" is non-zero.
std::string SlotDisplayName(const ScriptSlot& slot);
// "%s - Zelomat", with "* " in front while the script is modified.
std::string SlotWindowTitle(const ScriptSlot& slot);
// The tab text: the display name, with "* " in front while modified.
std::string SlotTabText(const ScriptSlot& slot);

}  // namespace zelo
