// Category 9, "Recordings": the "Recording" step plays a recorded event list
// of the program's recording table into the input stream, at slow, normal or
// fast speed. The playback runs on the program's input player; the run loop
// waits for it before the next step, and the end of the run ends it.
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class RecordingAction { Play };

// The category's action names; any other name plays as well.
extern const ActionWords<RecordingAction> kRecordingActions;

// The step handler of the category.
int RunRecordingStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
