// Category 4, "Keyboard": typing a text with key names ("Type" and its older
// names), buffered typing from the program's own player, pasting a text
// through the clipboard, setting a window's text directly, and blocking the
// user's input.
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class KeyboardAction {
  BlockInput,   // "Block Input", "Unblock Input": tested first
  Type,         // "Type", "Simulate Keypress", "Text + System Keys"
  Buffered,     // "Buffered Virtual Keys"
  Clipboard,    // "Text via Clipboard"
  DirectEntry,  // "Direct Window Entry"
  Other,        // anything else: passes and does nothing
};

// The category's action names, tested in order; any other name is Other.
extern const ActionWords<KeyboardAction> kKeyboardActions;
KeyboardAction ClassifyKeyboardAction(std::string_view action);

// The step handler of the category.
int RunKeyboardStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
