// Carries options over from the earlier product lines ("Zeloplus", then
// "Zeloplan") into the places this program reads them from.
#pragma once

namespace zelo {

inline constexpr char kZeloplusKey[] = "SOFTWARE\\Zeloplus";
inline constexpr char kZeloplanKey[] = "SOFTWARE\\Zeloplan";

// Where a display option of the earlier line lives now; new_name is below
// "SOFTWARE\Zelomat".
struct MovedOption {
  const char* old_name;  // below "SOFTWARE\Zeloplan"
  const char* new_name;
};
inline constexpr MovedOption kMovedDisplayOptions[] = {
    {"CommentFill", "Colors\\CommentFill"},
    {"BreakFill", "Colors\\BreakFill"},
    {"BreakText", "Colors\\BreakText"},
    {"CommentItalic", "Colors\\CommentItalic"},
    {"CommentText", "Colors\\CommentText"},
    {"GridStyle", "Palettes\\MainList\\GridStyle"},
    {"GridStyle_AltColor", "Palettes\\MainList\\GridStyle_AltColor"},
    {"Hilite", "HiliteRunningStep"},
    {"IndentAllColumns", "Palettes\\MainList\\IndentAllColumns"},
    {"IndentSize", "Palettes\\MainList\\IndentSize"},
    {"SkipFill", "Colors\\SkipFill"},
    {"SkipItalic", "Colors\\SkipItalic"},
    {"SkipText", "Colors\\SkipText"},
};

// Runs before the defaults are written, so that carried-over values count as
// present. Each step only acts when its old value is there, so running it
// again changes nothing.
//  1. A "Zeloplus" tree (told by "Right" or "RunAtLeastOnce") becomes the
//     "Zeloplan" tree, under the current user and the machine alike.
//  2. A non-zero "SuppressLogo" becomes "ShowSplash" = 0.
//  3. "GlobalVariables" is carried over to "LocalVariables".
//  4. The display options move to their current keys.
void MigrateLegacySettings();

}  // namespace zelo
