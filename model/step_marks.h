// The marks a step carries in its status: skip and breakpoint (which exclude
// each other, and are undoable) and the editor's bookmarks (not undoable).
#pragma once

#include <cstdint>
#include <vector>

#include "model/workspace.h"

namespace zelo {

// Skip (F8) / Breakpoint (F9): per selected step, clears the bit when set,
// else sets it and clears the other one.
void ToggleSkip(Workspace& ws, uint32_t group, const std::vector<int>& selection);
void ToggleBreakpoint(Workspace& ws, uint32_t group, const std::vector<int>& selection);
// Clears the bit in every step that has it; returns the number of steps changed.
int RemoveAllSkips(Workspace& ws, uint32_t group);
int RemoveAllBreakpoints(Workspace& ws, uint32_t group);

// Flips the bookmark of the first selected step.
void ToggleBookmark(Workspace& ws, const std::vector<int>& selection);
// Selects the next bookmarked step after the first selected one, wrapping to
// the top; beeps and returns -1 when no step has a bookmark.
int GotoNextBookmark(Workspace& ws, const std::vector<int>& selection);
void RemoveAllBookmarks(Workspace& ws);

}  // namespace zelo
