// Jumps of IF blocks and labels at run time.
#pragma once

#include <string_view>

#include "model/script_slot.h"

namespace zelo {

class RunEngine;

// The first step whose action is "Label" and whose stored (unexpanded,
// non-empty) `text` equals name, without regard to case; -1 when none.
int FindLabel(const ScriptSlot& s, std::string_view name);

// For a false IF, and for an ELSE reached at the end of a true branch:
// logs the jump and returns where the run goes on — after a matching ELSE,
// at a matching END IF, or at the last step (with a warning) when the block
// has no end; -1 (the run fails) when the block has no end and this step is
// the last one.
int SkipIfBlock(RunEngine& run, int slot, int index);

}  // namespace zelo
