// Loops and IF blocks have no nested syntax: a block is a run of ordinary
// steps between a start step and an end step, matched at run time by
// scanning the step list and counting nesting. Skipped steps and breakpoints
// take no part in the matching.
#pragma once

#include <string_view>

#include "model/script_slot.h"

namespace zelo {

// The actions that end blocks, compared whole.
inline constexpr char kLoopEndAction[] = "NEXT LOOP";
inline constexpr char kElseAction[] = "ELSE";
inline constexpr char kEndIfAction[] = "END IF";

// Neither skipped nor a breakpoint.
bool IsBlockStep(const StepRecord& step);
// Action names, without regard to case.
bool IsLoopStartAction(std::string_view action);  // contains "START" and "LOOP"
bool IsLoopEndAction(std::string_view action);    // "NEXT LOOP"
bool IsIfAction(std::string_view action);         // begins with "IF "
bool IsElseAction(std::string_view action);       // "ELSE"
bool IsEndIfAction(std::string_view action);      // "END IF"

// The steps that exist in the slot's array (step_count, bounded by the capacity).
int StepsOf(const ScriptSlot& s);

// The matching loop start of the loop whose "NEXT LOOP" (or body step) is n;
// 0 when there is none.
int FindLoopStart(const ScriptSlot& s, int n);
// The matching "NEXT LOOP" of the loop that starts at s; s + 1 when there is none.
int FindLoopEnd(const ScriptSlot& s, int start);
// The "ELSE" or "END IF" that ends the branch containing index (an IF or an
// ELSE); -1 when there is none.
int FindBranchEnd(const ScriptSlot& s, int index);

}  // namespace zelo
