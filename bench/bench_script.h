// A generated script for the file benchmarks: every field of every step
// filled, texts of a few hundred bytes with characters that need escaping,
// and a recording every 500 steps.
#pragma once

#include <string>

#include "model/workspace.h"

namespace zelo::bench {

// Fills the current slot of ws with `steps` steps.
void FillBenchSteps(Workspace& ws, int steps);
// The file text of such a script.
std::string BenchScriptText(int steps);
// Writes the file text to path; false when it cannot be written.
bool WriteBenchScript(const std::string& path, int steps);

}  // namespace zelo::bench
