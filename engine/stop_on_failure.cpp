#include "engine/stop_on_failure.h"

#include "engine/run_engine.h"
#include "engine/run_texts.h"

namespace zelo {

int StopOnFailure(RunEngine& run, int slot, int index) {
  if (slot < 0 || slot >= kMaxSlots || index < 0) return -1;
  const ScriptSlot& s = run.workspace().slots[static_cast<std::size_t>(slot)];
  if (index >= s.step_count || index >= s.capacity()) return -1;
  const StepRecord& step = s.steps[static_cast<std::size_t>(index)];
  FixedText<kStepErrorBytes>& error = run.state().step_error;

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
  run.messages().ShowMessage(message, run_texts::kRunFailureCaption, MessageButtons::Ok, MessageIcon::Error);
  WriteLogText(run_texts::kRunFailed);
  return -1;
}

}  // namespace zelo
