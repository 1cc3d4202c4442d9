// The failure handling a run has before the step failure modes are in place:
// every failed step is handled as "Display Error and Stop" — the error line
// goes to the log and the status bar, a "Run Failure" box shows the reason,
// and the run stops.
#pragma once

namespace zelo {

class RunEngine;

// Returns -1 (stop the run); reads and clears the step error text.
int StopOnFailure(RunEngine& run, int slot, int index);

}  // namespace zelo
