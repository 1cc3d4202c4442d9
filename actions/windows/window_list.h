// The editor's window lists ("Display All Windows & Controls", "Display Popup
// Windows", "Display Main Program Windows"): the desktop's windows written
// to "windows.txt" beside the program and opened with the shell.
#pragma once

#include "actions/windows/window_spec.h"

namespace zelo {

// Any: every window and control; Framed: popups; FramedTopLevel: main
// windows. False when the file could not be written or opened; the caller
// then shows "Unable to open file".
bool ShowWindowList(WindowQualifier qualifier);

}  // namespace zelo
