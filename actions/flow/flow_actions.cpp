#include "actions/flow/flow_actions.h"

#include <algorithm>
#include <string>

#include "actions/flow/loop_tests.h"
#include "base/text.h"
#include "engine/block_steps.h"
#include "engine/exit_code.h"
#include "engine/flow_jumps.h"
#include "engine/flow_texts.h"
#include "engine/loop_state.h"
#include "engine/run_engine.h"
#include "expr/expand_text.h"

namespace zelo {

namespace {

// Tested in this order; "NEXT LOOP" and "Label" are compared whole.
constexpr ActionWord<FlowAction> kFlowWords[] = {
    {"to Label", FlowAction::GotoLabel},
    {"Repeats", FlowAction::RunRepeats},
    {"Exit Run", FlowAction::ExitRun},
    {"Exit Zelomat", FlowAction::ExitProgram},
    {"Break", FlowAction::BreakLoop},
    {"Start", FlowAction::LoopStart},
    {kLoopEndAction, FlowAction::NextLoop, WordMatch::Whole},
    {"Label", FlowAction::Other, WordMatch::Whole},
};

// "FILE LINE" before "FILE": a file-line loop also contains "FILE".
constexpr ActionWord<LoopKind> kLoopWords[] = {
    {"FOR", LoopKind::For},         {"WHILE", LoopKind::While},    {"FILE LINE", LoopKind::FileLine},
    {"FILE", LoopKind::Files},      {"WINDOW", LoopKind::Windows}, {"DATASET", LoopKind::Dataset},
};
constexpr ActionWords<LoopKind> kLoopKinds{kLoopWords};

// Next step index plus one, as the run loop takes it from this category.
int Next(int index) { return index + 1; }

const ScriptSlot& SlotOf(RunEngine& run, int slot) { return run.workspace().slots[static_cast<std::size_t>(slot)]; }

// Loops enclosing the step, by the block steps before it.
int NestingDepth(const ScriptSlot& s, int index) {
  int depth = 0;
  for (int i = 0; i < index && i < StepsOf(s); ++i) {
    const StepRecord& step = s.steps[static_cast<std::size_t>(i)];
    if (!IsBlockStep(step)) continue;
    if (IsLoopStartAction(step.action.view()))
      ++depth;
    else if (IsLoopEndAction(step.action.view()))
      depth = std::max(depth - 1, 0);
  }
  return depth;
}

// Ends the innermost loop and goes on after its "NEXT LOOP".
int EndLoop(RunEngine& run, int slot, int index) {
  const LoopStack::Entry ended = LoopStackOf(slot).Pop();
  const int end = FindLoopEnd(SlotOf(run, slot), index);
  WriteLog(flow_texts::kEndOfLoop, ended.start, ended.counter, ended.counter == 1 ? "" : "s", end + 2);
  return Next(end + 1);
}

int GotoLabel(RunEngine& run, int slot, const StepRecord& step, const std::string& name) {
  if (name.empty()) {
    run.SetStepError("%s", flow_texts::kNoLabelName);
    return 0;
  }
  const int label = FindLabel(SlotOf(run, slot), name);
  if (label < 0) {
    run.SetStepError(flow_texts::kLabelNotFound, step.text.c_str());
    return 0;
  }
  WriteLog(flow_texts::kJumpingToLabelAt, name.c_str(), label + 1);
  return Next(label);
}

int SetRunRepeats(RunEngine& run, int slot, int index, const std::string& text) {
  const int32_t counter = run.run_repeats(slot);
  if (counter == kRepeatForever) {
    WriteLog("%s", flow_texts::kEternalRepeats);
  } else if (counter != kNoRepeats) {
    WriteLog(flow_texts::kRepeatsRemaining, std::max(counter, 0));
  } else if (TrimBlanks(text) == "-1") {
    run.set_run_repeats(slot, kRepeatForever);
  } else {
    // N runs in all: N - 1 more after this one.
    const int64_t runs = TextToInt(text);
    run.set_run_repeats(slot, static_cast<int32_t>(std::clamp<int64_t>(runs - 1, -1, kRepeatForever - 1)));
  }
  return Next(index + 1);
}

int LoopStart(RunEngine& run, int slot, int index, const StepRecord& step, const std::string& text) {
  LoopStack& stack = LoopStackOf(slot);
  // Coming back from "NEXT LOOP" to the same start does not push.
  if (stack.top_start() != index + 1) {
    // Only a full stack can lose an entry; then the loops around this one
    // are counted, so that stale entries of loops left by a jump do not count.
    if (stack.start(kLoopStackDepth - 1) != 0 && NestingDepth(SlotOf(run, slot), index) >= kLoopStackDepth) {
      run.SetStepError(flow_texts::kLoopsTooDeep, kLoopStackDepth);
      return 0;
    }
    stack.Push(index + 1, 0);
  }
  if (LoopGoesOn(run, slot, index, ClassifyLoop(step.action.view()), text, stack.top_counter()))
    return Next(index + 1);
  return EndLoop(run, slot, index);
}

int NextLoop(RunEngine& run, int slot, int index) {
  LoopStack& stack = LoopStackOf(slot);
  const int32_t counter = stack.top_counter() + 1;
  stack.set_top_counter(counter);
  const int start = FindLoopStart(SlotOf(run, slot), index);
  WriteLog(flow_texts::kLoopsCompleted, counter, counter == 1 ? "" : "s", stack.top_start());
  ShowStatus(1, flow_texts::kLoopsStatus, counter);
  return Next(start);
}

}  // namespace

const ActionWords<FlowAction> kFlowActions{kFlowWords};

FlowAction ClassifyFlowAction(std::string_view action) { return kFlowActions.KindOf(action, FlowAction::Other); }

LoopKind ClassifyLoop(std::string_view action) { return kLoopKinds.KindOf(action, LoopKind::Other); }

int RunFlowStep(RunEngine& run, const ActionServices*, int slot, int index) {
  const StepRecord& step = SlotOf(run, slot).steps[static_cast<std::size_t>(index)];
  ExpandText(step.text.view(), slot, index);
  const std::string text = ExpansionBuffer();

  switch (ClassifyFlowAction(step.action.view())) {
    case FlowAction::GotoLabel:
      return GotoLabel(run, slot, step, text);
    case FlowAction::RunRepeats:
      return SetRunRepeats(run, slot, index, text);
    case FlowAction::ExitRun:
      SetExitCode(TextToInt(text));
      return -1;
    case FlowAction::ExitProgram:
      SetExitCode(TextToInt(text));
      run.window().CloseMainWindow();
      return -1;
    case FlowAction::BreakLoop:
      return EndLoop(run, slot, index);
    case FlowAction::LoopStart:
      return LoopStart(run, slot, index, step, text);
    case FlowAction::NextLoop:
      return NextLoop(run, slot, index);
    case FlowAction::Other:
      break;
  }
  return Next(index + 1);
}

}  // namespace zelo
