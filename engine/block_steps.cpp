#include "engine/block_steps.h"

#include <algorithm>

#include "base/text.h"

namespace zelo {

namespace {

const StepRecord& At(const ScriptSlot& s, int i) { return s.steps[static_cast<std::size_t>(i)]; }

bool BlockLoopStart(const StepRecord& step) { return IsBlockStep(step) && IsLoopStartAction(step.action.view()); }
bool BlockLoopEnd(const StepRecord& step) { return IsBlockStep(step) && IsLoopEndAction(step.action.view()); }

}  // namespace

bool IsBlockStep(const StepRecord& step) { return (step.status & (STEP_SKIP | STEP_BREAKPOINT)) == 0; }

bool IsLoopStartAction(std::string_view action) {
  return ContainsNoCase(action, "START") && ContainsNoCase(action, "LOOP");
}
bool IsLoopEndAction(std::string_view action) { return EqualsNoCase(action, kLoopEndAction); }
bool IsIfAction(std::string_view action) { return action.size() >= 3 && EqualsNoCase(action.substr(0, 3), "IF "); }
bool IsElseAction(std::string_view action) { return EqualsNoCase(action, kElseAction); }
bool IsEndIfAction(std::string_view action) { return EqualsNoCase(action, kEndIfAction); }

int StepsOf(const ScriptSlot& s) { return std::max(0, std::min(s.step_count, s.capacity())); }

int FindLoopStart(const ScriptSlot& s, int n) {
  const int count = StepsOf(s);
  if (n < 0 || n >= count) return 0;
  int i = IsLoopEndAction(At(s, n).action.view()) ? n - 1 : n;
  for (int depth = 1; i >= 0; --i) {
    const StepRecord& step = At(s, i);
    if (BlockLoopStart(step)) {
      if (depth == 1) return i;
      --depth;
    } else if (BlockLoopEnd(step)) {
      ++depth;
    }
  }
  return 0;
}

int FindLoopEnd(const ScriptSlot& s, int start) {
  const int count = StepsOf(s);
  if (start < 0 || start >= count) return start + 1;
  int i = BlockLoopStart(At(s, start)) ? start + 1 : start;
  for (int depth = 1; i < count; ++i) {
    const StepRecord& step = At(s, i);
    if (BlockLoopEnd(step)) {
      if (depth == 1) return i;
      --depth;
    } else if (BlockLoopStart(step)) {
      ++depth;
    }
  }
  return start + 1;
}

int FindBranchEnd(const ScriptSlot& s, int index) {
  const int count = StepsOf(s);
  int depth = 0;
  for (int j = std::max(index + 1, 0); j < count; ++j) {
    const StepRecord& step = At(s, j);
    if (!IsBlockStep(step)) continue;
    const std::string_view action = step.action.view();
    const bool end_if = IsEndIfAction(action);
    if (end_if || IsElseAction(action)) {
      if (depth == 0) return j;
      // An ELSE of a nested block belongs to that block.
      if (end_if) --depth;
    } else if (IsIfAction(action)) {
      ++depth;
    }
  }
  return -1;
}

}  // namespace zelo
