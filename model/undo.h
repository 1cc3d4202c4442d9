// The undo buffer of a script. Every editing command stamps the records it
// writes with one group (the tick count when the command began, given by the
// caller), and Undo reverts the last group as a whole.
#pragma once

#include <cstdint>

#include "model/workspace.h"

namespace zelo {

// Appends one record for the current slot. Kinds other than UNDO_ADD save a
// copy of the step at index, which must be a step. Marks the script modified.
// Returns false when nothing was recorded.
bool PushUndo(Workspace& ws, uint32_t group, int32_t index, UndoKind kind);
// Reverts the records of the last group of the current slot, newest first,
// selects the step at the last index undone and returns the number of records
// undone (0 when the buffer is empty).
int UndoLastGroup(Workspace& ws);
// The Undo command: UndoLastGroup with its status-bar report.
int UndoCommand(Workspace& ws);
// Marks the current script changed by a command that kept no undo records.
void MarkChangedWithoutUndo(Workspace& ws);
// Drops the undo buffer of a slot (after a save, on close): no longer modified.
void ClearUndo(Workspace& ws, int slot);

}  // namespace zelo
