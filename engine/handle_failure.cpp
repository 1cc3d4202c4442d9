#include "engine/handle_failure.h"

#include <algorithm>
#include <string>
#include <utility>

#include "base/text.h"
#include "engine/failure_modes.h"
#include "engine/flow_jumps.h"
#include "engine/flow_texts.h"
#include "engine/run_engine.h"
#include "engine/run_texts.h"
#include "engine/step_timeout.h"
#include "expr/expand_text.h"
#include "expr/read_variable.h"
#include "expr/save_step_output.h"

namespace zelo {

namespace {

// The step failed for less than its time-out: it is tried again after a
// short pause, never in a busy loop that would keep a core busy for the
// whole time-out and slow the very program being waited for. The pause ends
// no later than the time-out itself.
bool RetryWithinTimeout(RunEngine& run, const StepRecord& step, int slot, int index) {
  if (step.timeout.empty()) return false;
  ExpandText(step.timeout.view(), slot, index);
  const uint32_t timeout_ms = StepTimeoutMs(ExpansionBuffer());
  const uint32_t passed = run.clock().Ticks() - run.state().step_start_tick.load();
  if (passed >= timeout_ms) return false;
  run.clock().Sleep(std::min(kRetryPauseMs, timeout_ms - passed));
  return true;
}

MessageAnswer ShowFailureBox(RunEngine& run, const std::string& text, MessageButtons buttons, MessageIcon icon) {
  return run.messages().ShowMessage(text, run_texts::kRunFailureCaption, buttons, icon);
}

int IncrementVariable(const StepRecord& step, int slot, int index) {
  std::string_view name = step.onfail_value.view();
  if (!name.empty() && name.front() == '%') name.remove_prefix(1);
  if (name.empty()) return index + 1;
  std::string value;
  const int32_t n = ReadVariable(name, slot, index, &value, Field::kMaxLength + 1);
  // Kept in 32 bits the way every integer variable is; the largest value wraps.
  const int32_t next = static_cast<int32_t>(static_cast<uint32_t>(n) + 1u);
  SaveStepOutput(step, slot, index, std::to_string(next), name);
  WriteLog(flow_texts::kIncrementingVariable, std::string(name).c_str(), next);
  return index + 1;
}

int ApplyMode(RunEngine& run, const StepRecord& step, int slot, int index, const std::string& message) {
  switch (FailureModeOf(step.onfail.view())) {
    case FailureMode::Ignore:
      return index + 1;
    case FailureMode::Retry: {
      const int counter = ++run.state().retry_counter;
      if (TextToInt(step.onfail_value.view()) < counter) return -1;
      WriteLog(flow_texts::kRetrying, counter, step.onfail_value.c_str());
      // A new announcement restarts the step's time-out.
      run.AnnounceStep(slot, index);
      return index;
    }
    case FailureMode::DisplayErrorAndContinue:
      ShowFailureBox(run, message, MessageButtons::Ok, MessageIcon::Warning);
      return index + 1;
    case FailureMode::DisplayErrorAndStop:
      ShowFailureBox(run, message, MessageButtons::Ok, MessageIcon::Error);
      return -1;
    case FailureMode::StopSilently:
      return -1;
    case FailureMode::AskToContinue:
      // Only Yes goes on: a box closed by the Pause command stops too.
      if (ShowFailureBox(run, message + flow_texts::kContinueQuestion, MessageButtons::YesNo,
                         MessageIcon::Question) == MessageAnswer::Yes) {
        WriteLog(flow_texts::kUserChoseContinue);
        return index + 1;
      }
      WriteLog(flow_texts::kUserChoseStop);
      return -1;
    case FailureMode::JumpToLabel: {
      const ScriptSlot& s = run.workspace().slots[static_cast<std::size_t>(slot)];
      const int label = FindLabel(s, step.onfail_value.view());
      if (label >= 0) {
        WriteLog(flow_texts::kJumpingToLabel, step.onfail_value.c_str(), label + 1);
        return label;
      }
      WriteLog(flow_texts::kLabelNotFoundLine, step.onfail_value.c_str());
      ShowFailureBox(run, FormatLogText(flow_texts::kLabelNotFoundBox, step.onfail_value.c_str()),
                     MessageButtons::Ok, MessageIcon::Warning);
      return -1;
    }
    case FailureMode::IncrementVariable:
      return IncrementVariable(step, slot, index);
    case FailureMode::RestartRun:
      WriteLog(flow_texts::kRestartingRun);
      run.AnnounceStep(slot, index);
      run.state().retry_counter = 0;
      return 0;
    case FailureMode::Unrecognised:
      return -1;
  }
  return -1;
}

}  // namespace

std::string FailureImagePath(const std::string& log_path, int index, const CivilTime& now) {
  // Only a "." of the file name starts the extension; one in a folder name
  // must not cut the path.
  const std::size_t name_start = log_path.find_last_of("\\/");
  const std::size_t dot = log_path.rfind('.');
  const bool has_extension = dot != std::string::npos && (name_start == std::string::npos || dot > name_start);
  return (has_extension ? log_path.substr(0, dot) : log_path) +
         FormatLogText(flow_texts::kFailureImageName, index + 1, now.year, now.month, now.day, now.hour,
                       now.minute, now.second);
}

int HandleFailure(RunEngine& run, int slot, int index) {
  if (slot < 0 || slot >= kMaxSlots || index < 0) return -1;
  ScriptSlot& s = run.workspace().slots[static_cast<std::size_t>(slot)];
  if (index >= s.step_count || index >= s.capacity()) return -1;
  const StepRecord& step = s.steps[static_cast<std::size_t>(index)];
  FixedText<kStepErrorBytes>& error = run.state().step_error;
  const bool retry = !std::exchange(run.state().failure_is_final, false);

  // A delay that the stop key interrupted ends the run quietly.
  if (ContainsNoCase(step.action.view(), "Delay") || ContainsNoCase(step.action.view(), "Freeze")) return -1;
  // A false IF only skips its branch. A condition that could not be decided
  // at all is a failure like any other.
  if (step.category == CAT_IF && !run.state().condition_undecided) {
    const int next = SkipIfBlock(run, slot, index);
    if (next < 0) WriteLogText(run_texts::kRunFailed);
    return next;
  }
  run.state().condition_undecided = false;

  if (retry && RetryWithinTimeout(run, step, slot, index)) return index;

  const std::string line =
      error.empty() ? FormatLogText(run_texts::kErrorLine, index + 1, step.action.c_str())
                    : FormatLogText(run_texts::kErrorLineWithText, index + 1, step.action.c_str(), error.c_str());
  // The step's "log" failure setting puts the error line in the log file even
  // while logging is off.
  WriteLogText("\t" + line, step.onfail_log != 0);
  ShowStatusText(0, line);

  const std::string message =
      error.empty() ? FormatLogText(run_texts::kErrorMessage, index + 1, step.action.c_str())
                    : std::string(error.view().substr(0, run_texts::kMaxErrorMessage));
  error.clear();

  WriteLog(flow_texts::kFailureModeLine, step.onfail.c_str());
  ShowStatus(0, flow_texts::kFailureModeLine, step.onfail.c_str());

  if (step.onfail_image) run.system().CaptureScreen(FailureImagePath(LogFilePath(), index, run.clock().Now()));

  const int next = ApplyMode(run, step, slot, index, message);
  if (next < 0) WriteLogText(run_texts::kRunFailed);
  return next;
}

}  // namespace zelo
