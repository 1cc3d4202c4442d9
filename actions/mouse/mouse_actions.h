// Category 6, "Mouse": moves the pointer to coordinates (of the screen, a
// window or the pointer itself), to a window or control, or to an image on
// the screen; presses the buttons, turns the wheel, and saves and returns to
// a position.
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

// Where the target point comes from.
enum class MouseTarget { SavedPosition, Control, Window, Image, Coordinates };
// What is pressed after the pointer is there.
enum class MouseButtons {
  LeftClick, RightClick, DoubleClick, LeftDown, LeftUp, WheelUp, WheelDown, SavePosition, None,
};

extern const ActionWords<MouseTarget> kMouseActions;
MouseTarget ClassifyMouseTarget(std::string_view action);
MouseButtons ClassifyMouseButtons(std::string_view action);

namespace mouse_texts {
inline constexpr char kNoWindow[] = "Unable to find window '%s'";
inline constexpr char kNoImageSearch[] =
    "Searching the screen for an image is not available in this version ('%s')";
}  // namespace mouse_texts

// The handler: 1 pass, 0 fail with the reason in the step error text.
int RunMouseStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
