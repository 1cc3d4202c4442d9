// Category 13: loops, labels and run control. Loop starts and "NEXT LOOP"
// keep the slot's loop stack; "Goto Label" jumps; "Set Run Repeats", "Exit
// Run" and "Exit Zelomat" steer the run and the program.
#pragma once

#include <string_view>

namespace zelo {

class RunEngine;

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

FlowAction ClassifyFlowAction(std::string_view action);
LoopKind ClassifyLoop(std::string_view action);

// The step handler: the next step's index plus one, 0 = fail (reason in the
// step error text), -1 = stop the run.
int RunFlowStep(RunEngine& run, int slot, int index);

}  // namespace zelo
