// Category 14: "IF ..." conditions, "ELSE" and "END IF". A true condition
// passes and the run enters the branch; a false one fails, and the failure
// handling skips to the matching ELSE or END IF instead of applying the
// step's failure mode.
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class IfCondition {
  FileExists,      // "IF File Exists"
  FolderExists,    // "IF Folder Exists"
  WindowExists,    // "IF Window Exists", "IF Control Exists"
  PixelOrImage,    // "Pixel", "Image"
  ControlChecked,  // "IF Control Is Checked"
  CapsLock,        // "IF Caps Lock is On"
  ClipboardEquals, // "IF Clipboard Equals"
  Expression,      // "IF Expression"
  Else,            // "ELSE": ends a true branch
  Other,           // "END IF" and anything else: passes
};

// The category's action names, tested in order; any other name is Other.
extern const ActionWords<IfCondition> kIfActions;
IfCondition ClassifyIf(std::string_view action);

// The step handler: 1 = true (or END IF), 0 = false (or ELSE). The pixel and
// image conditions use the services' expansion, result saving, path search
// and screen; the others look at files, keys and the clipboard themselves.
int RunIfStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
