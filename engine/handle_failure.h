// HandleFailure: what the run does after a step's handler failed. The step
// is tried again until its time-out has passed; then the error goes to the
// log (with a screen image when the step asks for one) and the step's
// failure mode decides: stop, go on, ask, retry, jump to a label, count in a
// variable or start over.
#pragma once

#include <string>

namespace zelo {

class RunEngine;
struct CivilTime;

// Returns the next step's index: the same index tries the step again,
// another goes on there, -1 stops the run. Reads and clears the step error
// text. The run engine's failure handler.
int HandleFailure(RunEngine& run, int slot, int index);

// The file of the failure screen image of step index (0-based) taken at
// now: the log file's path without its extension, then
// " [Step N] FAILURE yyyy-mm-dd_hhmmss.bmp".
std::string FailureImagePath(const std::string& log_path, int index, const CivilTime& now);

}  // namespace zelo
