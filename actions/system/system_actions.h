// Category 15, "System": variables, the step delay, "Write to Log", the
// clipboard, screen captures, the display mode, the screen saver, the
// registry, ending the Windows session, and "Comment".
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

// The branches of the handler, told apart by words in the action name,
// tested in this order.
enum class SystemAction {
  Variable,        // "Create/Set", "Increment", "Decrement", "Set Environment Variable"
  StepDelay,       // "Set Step Delay"
  WriteToLog,      // "Write to Log"
  SetClipboard,    // "Set Clipboard Text"
  PasteClipboard,  // "Paste Clipboard"
  ClearClipboard,  // "Clear Clipboard"
  Capture,         // "Screen Image Capture", "Window Image Capture"
  VideoDisplay,    // "Video Display Mode"
  ScreenSaver,     // "Disable Screen Saver", "Enable Screen Saver"
  Registry,        // "Read", "Write", "Copy", "Delete Registry"
  EndSession,      // "Logoff", "Restart", "Shutdown"
  Other,           // "Comment" and anything else: passes and does nothing
};

// The category's action names, tested in order; any other name is Other.
extern const ActionWords<SystemAction> kSystemActions;
SystemAction ClassifySystemAction(std::string_view action);

// The step handler of the category.
int RunSystemStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
