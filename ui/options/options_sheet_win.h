// The "Zelomat Options" property sheet and the tools it shares with the
// main window: the file association and the update check.
#pragma once

#include <windows.h>

#include <string>

#include "actions/files/file_association.h"

namespace zelo {

enum class OptionsPage : int { General = 0, RunOptions, ColorsFonts, UiStyle, Logging, Files, Last };
// Opens the sheet on page, or on the page stored in "LastTab" when page is
// Last. True when the user confirmed it (settings written; the caller
// redraws the grid).
bool ShowOptionsSheet(HWND owner, OptionsPage page = OptionsPage::Last);

// The ".zxm" file association of the program at program_path, with the
// chosen verbs (AssociationVerb bits, kAllVerbs at the first start); false
// with *error set when the registry refused it.
bool RegisterFileAssociation(const std::string& program_path, unsigned verbs, int icon_index, std::string* error);

// "Check Web for Updates..." (interactive) and the automatic check at
// start-up when "AutoUpdate" says one is due.
void CheckForUpdatesCommand(HWND owner);
void AutomaticUpdateCheck(HWND owner);

}  // namespace zelo
