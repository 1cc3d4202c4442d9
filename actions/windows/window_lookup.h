// The window lookup as steps use it: the program's desktop and main window,
// CurrentWindow, and FindWindowForStep, which the window, mouse, wait and IF
// steps call.
#pragma once

#include <string_view>

#include "actions/shared/current_window.h"
#include "actions/windows/find_window.h"
#include "actions/windows/window_tree.h"

namespace zelo {

// The desktop the lookups read: the system's in the Windows build, an empty
// one natively until a test installs its own (nullptr puts the default back).
WindowTree& ProgramWindowTree();
void UseWindowTree(WindowTree* tree);
// The system's own desktop (each build defines it).
WindowTree& SystemWindowTree();

// The program's main window, whose own windows child matches leave out.
void SetProgramMainWindow(WindowHandle window);
WindowHandle ProgramMainWindow();

// CurrentWindow (actions/shared/current_window.h): the window the last
// lookup found, the target of later keyboard, menu and mouse steps; cleared
// when a full run starts.

// FindWindowBySpec over the program's desktop from its main window.
WindowSearch FindWindowForStep(uint32_t flags, std::string_view spec, WindowQualifier qualifier);
// Whether the window is one of the program's own (itself or a near ancestor
// is the main window or of its class).
bool BelongsToProgram(WindowHandle window);

}  // namespace zelo
