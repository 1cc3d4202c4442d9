// The menus, the accelerator table and the toolbar, each built from the one
// command table.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/commands/command_table.h"

namespace zelo {

HMENU BuildMenuBar();
HACCEL BuildAccelerators();
// The toolbar (tooltips come from the table through TTN_GETDISPINFO); the
// image list goes to *images, which the caller owns.
HWND CreateMainToolbar(HWND parent, HIMAGELIST* images);
// The tooltip of a toolbar command; nullptr when it has none.
const char* ToolbarTooltip(int command);

// The submenu a command sits in (File's Recent Files, ...), found by one of
// its command ids; nullptr when the bar has none.
HMENU FindSubmenuOf(HMENU bar, int command);
// "Recent File 1..8" from the stored list, rebuilt as the submenu opens.
void FillRecentFilesMenu(HMENU submenu);
// The Window menu's entries for the open scripts (captions in slot order).
void FillWindowMenu(HMENU window_menu, const std::vector<std::string>& captions);

// The key a keyboard message presses, with the modifiers held; key 0 for
// other messages.
Accelerator KeyOfMessage(const MSG& msg);

}  // namespace zelo
