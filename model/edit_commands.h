// Editing commands on the steps of the current script: move, indent, delete.
// Each takes the selected rows and the group stamp of the command, records
// its undo and reports the rows to select afterwards through the seam.
#pragma once

#include <cstdint>
#include <vector>

#include "model/workspace.h"

namespace zelo {

// Swaps the one selected step with its neighbour; more than one selected row
// is refused with a message. Returns true when a step moved.
bool MoveStepUp(Workspace& ws, uint32_t group, const std::vector<int>& selection);
bool MoveStepDown(Workspace& ws, uint32_t group, const std::vector<int>& selection);

// Indent (+1) or un-indent (-1) every selected step, kept within 0..16.
void IndentSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection, int delta);

// Deletes the selected steps; asks first when the selection is too large to
// undo. Returns false when nothing was deleted.
bool DeleteSteps(Workspace& ws, uint32_t group, const std::vector<int>& selection);

// Undo records are kept for a command only while it touches fewer rows than
// "MaxUndo".
bool SelectionFitsUndo(std::size_t rows);

}  // namespace zelo
