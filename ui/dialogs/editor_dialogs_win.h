// The editor's commands that show a dialog or a tool of their own. The main
// window's command table calls them; each reports to the user itself
// (message boxes titled "Zelomat Error"/"Zelomat Warning", the status bar
// through the workspace's seam).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "model/workspace.h"

namespace zelo {

enum class FindHow { Dialog, Next, Previous };
// "&Find...", "Find Ne&xt", "Find Pre&vious": asks for the find text (Dialog
// only; stored in "Find"), searches the current script from the row after
// (before) the selection and selects the match through the seam.
void FindCommand(HWND owner, Workspace& ws, FindHow how, const std::vector<int>& selection);
// "&Go to Step...".
void GoToStepCommand(HWND owner, Workspace& ws);
// "View &XML": the selected steps as XML in a read-only window.
void ViewXmlCommand(HWND owner, Workspace& ws, const std::vector<int>& selection);
// "Custom XML &Tags".
void CustomXmlTagsCommand(HWND owner, Workspace& ws);
// "Propert&ies": the shell's properties sheet of the current file.
void FilePropertiesCommand(HWND owner, Workspace& ws);
// "Open &Logfile"; may open the Options sheet on its Logging page.
void OpenLogfileCommand(HWND owner);

enum class WindowListKind { MainWindows, Popups, AllWithControls };
// "Display &Main Program Windows", "Display &Popup Windows",
// "Display All &Windows && Controls": writes "windows.txt" beside the
// program and opens it.
void WindowListCommand(HWND owner, WindowListKind kind);

// "&Help Reference", "Startup &Options", "&About Zelomat".
void HelpCommand(HWND owner);
void StartupOptionsCommand(HWND owner);
void AboutCommand(HWND owner);
// The start-up splash with "Version %s"; closes itself after milliseconds
// without holding up the caller.
void ShowSplash(HINSTANCE instance, HWND owner, unsigned milliseconds);

}  // namespace zelo
