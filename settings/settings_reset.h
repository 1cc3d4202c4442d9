// "Reset all": after the user confirms, every option goes back to its
// default, and the user is told that a restart completes it.
#pragma once

#include <functional>
#include <string_view>

#include "settings/defaults.h"

namespace zelo {

inline constexpr char kResetSettingsQuestion[] =
    "Are you sure that you want to reset all configurations to their original values?";
inline constexpr char kResetSettingsDone[] =
    "All settings have been returned to their original values\n\n"
    "You will need to restart Zelomat for the changes to take effect.";

// Asks a yes/no question; true for yes.
using AskQuestion = std::function<bool(std::string_view question)>;
// Shows a notice and returns when the user has seen it.
using ShowNotice = std::function<void(std::string_view notice)>;

// Returns true when the user agreed and the defaults were written again.
bool ResetAllSettings(const AskQuestion& ask, const ShowNotice& tell, const DefaultsContext& context = {});

}  // namespace zelo
