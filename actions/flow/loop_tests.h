// Whether a loop goes on for another iteration, by the kind of its start
// step. Each also sets its loop variable when it goes on.
#pragma once

#include <cstdint>
#include <string>

#include "actions/flow/flow_actions.h"

namespace zelo {

class RunEngine;

// text is the start step's expanded `text`; counter counts the iterations
// done so far.
bool LoopGoesOn(RunEngine& run, int slot, int index, LoopKind kind, const std::string& text, int32_t counter);

// The loop variables live directly under UserVariables, also in local variable mode.
void SetLoopVariable(const char* name, const std::string& value, int slot);
void DeleteLoopVariable(const char* name, int slot);

}  // namespace zelo
