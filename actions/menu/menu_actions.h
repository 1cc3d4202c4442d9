// Category 5, "Menu": a popup menu of the step's own lines, the system menu
// of a window, and an item of a window's menu bar (by its path, or by the
// keyboard when the bar does not have it).
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class MenuAction { Popup, SystemMenu, MenuItem, Other };

extern const ActionWords<MenuAction> kMenuActions;
MenuAction ClassifyMenuAction(std::string_view action);

namespace menu_texts {
inline constexpr char kTryingKeyboard[] = "Unable to find menu \"%s\", trying keyboard method...";
inline constexpr char kNoMenu[] = "Unable to find menu '%s'";
}  // namespace menu_texts

// The handler: 1 pass, 0 fail with the reason in the step error text.
int RunMenuStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
