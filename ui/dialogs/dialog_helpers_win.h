// What the editor's small dialogs share: their template (built in memory),
// the ANSI text of their controls, the editor's message box, the program's
// folder and centring over the owner.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog_template_win.h"

namespace zelo {

// The text of a control in the ANSI code page, at most max_chars characters.
std::string DialogItemText(HWND dialog, int id, std::size_t max_chars);
void SetDialogItemText(HWND dialog, int id, std::string_view text);
// A task-modal message box brought to the foreground, as every message of
// the editor is shown; the button pressed.
int ShowEditorBox(HWND owner, std::string_view text, std::string_view caption, UINT flags);
// A file in the program's own folder.
std::string ProgramFolderFile(std::string_view name);
// Centres a window over its owner (or the screen without one).
void CentreOverOwner(HWND window);

}  // namespace zelo
