// Category 3, "Windows/Controls": finds a window by its spec (or the window
// under an image) and activates, presses, reads, moves, sizes, shows or
// closes it; and the two actions on all windows.
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class WindowAction {
  SetStyle, GetText, Activate, Press, Move, Resize, Maximize, MinimizeOrRestore, Close, Invalid,
};

// Tested in this order on the action name; any other name is Invalid.
extern const ActionWords<WindowAction> kWindowActions;
WindowAction ClassifyWindowAction(std::string_view action);

// The texts of the category's failures.
namespace window_texts {
inline constexpr char kMissingWindow[] = "Missing window information";
inline constexpr char kNoFile[] = "The file '%s' does not exist";
inline constexpr char kNoWindow[] = "Unable to find window '%s'";
inline constexpr char kInvalidAction[] = "Window '%s'found, but invalid action specified";
inline constexpr char kStillOpen[] = "Window '%s' is still open";
inline constexpr char kNoImage[] = "Unable to find image '%s' on the screen";
}  // namespace window_texts

// The handler: 1 pass, 0 fail with the reason in the step error text, -1
// when the stop key ended an image search. Uses the services' expansion,
// result saving, path search and screen.
int RunWindowStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
