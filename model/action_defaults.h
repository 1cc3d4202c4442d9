// The defaults a newly inserted step gets from its action: one table of
// (category, name test, fields to fill), plus the two program lines that
// depend on what the system has registered.
#pragma once

#include "model/program_registry.h"
#include "model/step_record.h"

namespace zelo {

// Fills the fields of a new step whose action, category and icon come from
// the Actions tree. May rename the action ("Start Hidden" is stored as
// "Start") or move it to another category ("Custom Message Box" becomes a
// "Win32 API" step).
void ApplyActionDefaults(StepRecord& step, const ProgramRegistry& programs);

// The program line of a new "Start Browser" / "Start Email" step.
std::string DefaultBrowserProgram(const ProgramRegistry& programs);
std::string DefaultMailProgram(const ProgramRegistry& programs);

}  // namespace zelo
