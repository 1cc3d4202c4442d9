// Category 13: loops, labels and run control. Loop starts and "NEXT LOOP"
// keep the slot's loop stack; "Goto Label" jumps; "Set Run Repeats", "Exit
// Run" and "Exit Zelomat" steer the run and the program.
#pragma once

#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class FlowAction {
  GotoLabel,     // "Goto Label" (contains "to Label")
  RunRepeats,    // "Set Run Repeats"
  ExitRun,       // "Exit Run"
  ExitProgram,   // "Exit Zelomat"
  BreakLoop,     // "Break out of Loop"
  LoopStart,     // "Start ... Loop"
  NextLoop,      // "NEXT LOOP"
  Other,         // "Label" and anything else: go on
};

// The kinds of loop start, told apart by words of the action.
enum class LoopKind { For, While, FileLine, Files, Windows, Dataset, Other };

// The category's action names, tested in order; any other name is Other.
extern const ActionWords<FlowAction> kFlowActions;
FlowAction ClassifyFlowAction(std::string_view action);
LoopKind ClassifyLoop(std::string_view action);

// The step handler: the next step's index plus one, 0 = fail (reason in the
// step error text), -1 = stop the run. It needs no services: loops and jumps
// only read the script and expand the text themselves.
int RunFlowStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
