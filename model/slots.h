// Opening and closing scripts in the eight slots. Open slots are always the
// first ones: closing a script moves the later ones down, so slot number and
// tab position stay the same thing.
#pragma once

#include <functional>
#include <string_view>

#include "model/workspace.h"

namespace zelo {

// Saves a slot to its file (asking for a name when it has none); true when saved.
using SaveSlotFn = std::function<bool(Workspace& ws, int slot)>;

// A slot for a script about to be opened: an empty "(Untitled)" script is
// given up for it (its tab removed), else the first free slot is taken. With
// all eight in use, shows the maximum-files warning and returns -1.
int FindFreeSlot(Workspace& ws);
// Binds a slot taken with FindFreeSlot to a file name (or "(Untitled)"), adds
// its tab and makes it current.
void ShowOpenedSlot(Workspace& ws, int slot, std::string_view file_name);
// New: an empty "(Untitled)" script. Returns its slot, or -1.
int NewScript(Workspace& ws);
// Opens "(Untitled)" in the first slot when no script is open (after the last
// close, or when an open failed after giving up the empty untitled script).
void EnsureOpenScript(Workspace& ws);
// Makes an open slot current (a tab was clicked).
void SwitchToSlot(Workspace& ws, int slot);
// Number of open (non-free) slots.
int OpenSlotCount(const Workspace& ws);

// Close: asks to save a modified script when "PromptSave" is on; Yes saves
// through save first. Returns false when the close was cancelled (Cancel, or
// the save did not succeed).
bool CloseScript(Workspace& ws, const SaveSlotFn& save);
// Close All: closes every script, stopping at the first cancelled close.
bool CloseAllScripts(Workspace& ws, const SaveSlotFn& save);

}  // namespace zelo
