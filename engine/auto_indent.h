// "Auto-Indent and Validate": indents every step by the IF blocks and loops
// around it and reports blocks without an end or ends without a block.
#pragma once

#include <cstdint>
#include <string>

#include "model/workspace.h"

namespace zelo {

struct BlockCheck {
  int if_depth = 0;    // > 0: IFs without END IF; < 0: END IFs without IF
  int loop_depth = 0;  // > 0: loop starts without NEXT LOOP; < 0: the reverse
  int steps = 0;
  bool ok() const { return if_depth == 0 && loop_depth == 0; }
};

// Sets `indents` of every step of s and returns the depths left at the end.
BlockCheck IndentBlocks(ScriptSlot& s);

// The report: the first unmatched kind as an error text, or the status-bar
// text of a clean script.
std::string BlockCheckText(const BlockCheck& check);

// The editor command on the current slot: one undo record per step (one
// group), the indents, then the report (a "Zelomat Error" box for unmatched
// blocks, the status bar otherwise). Returns the check.
BlockCheck AutoIndentAndValidate(Workspace& ws, uint32_t group);

}  // namespace zelo
