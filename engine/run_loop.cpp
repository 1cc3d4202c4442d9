// The run thread: walks the steps of its slot, dispatches each to its
// category's handler and records how each ended.
#include <algorithm>

#include "base/text.h"
#include "engine/elapsed_time.h"
#include "engine/exit_code.h"
#include "engine/run_engine.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "engine/run_texts.h"
#include "settings/settings.h"

namespace zelo {

namespace {

}  // namespace

void RunEngine::RunThreadMain(RunStart start) {
  const uint32_t start_tick = clock().Ticks();
  bool abandoned = false;
  const LoopEnd end = RunSteps(start, start_tick, &abandoned);
  if (!abandoned) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      abandoned = Abandoned(start.id);
      if (!abandoned) {
        active_ = false;
        running_slot_ = -1;
        live_run_id_.store(0);
      }
    }
    if (!abandoned) {
      // A run that met an inconsistent step index would meet it again.
      if (end == LoopEnd::Critical) set_run_repeats(start.slot, kNoRepeats);
      // Before StopRun closes a hidden program's window, which ends it with
      // its exit code.
      if (hidden_program_ && (end == LoopEnd::Failed || end == LoopEnd::Critical)) NoteRunFailed();
      StopRun(start.slot, StopHow::EndOfRun);
    }
  }
  FinishThread(start.id);
}

RunEngine::LoopEnd RunEngine::RunSteps(const RunStart& start, uint32_t start_tick, bool* abandoned) {
  const int slot = start.slot;
  if (slot < 0 || slot >= kMaxSlots || start.first < 0 ||
      workspace_.slots[static_cast<std::size_t>(slot)].step_count >
          workspace_.slots[static_cast<std::size_t>(slot)].capacity()) {
    WriteLog(run_texts::kCriticalError, start.first + 1);
    return LoopEnd::Critical;
  }
  ScriptSlot& s = workspace_.slots[static_cast<std::size_t>(slot)];
  const int stop_key = StopKeySetting();
  const std::string step_delay_setting = SettingPath(setting::kStepDelayPattern, slot);

  LoopEnd end = LoopEnd::Completed;
  for (int i = start.first; i < s.step_count;) {
    // A forced stop may come during a step delay; a thread that could not be
    // ended then must not begin another step.
    if (Abandoned(start.id)) {
      *abandoned = true;
      return LoopEnd::Stopped;
    }
    if (i < 0 || i >= s.capacity()) {
      WriteLog(run_texts::kCriticalError, i + 1);
      end = LoopEnd::Critical;
      break;
    }
    if (start.single_step && i != start.first) {
      if (slot == workspace_.current) window().SelectStep(slot, i);
      end = LoopEnd::Stopped;
      break;
    }
    StepRecord& step = s.steps[static_cast<std::size_t>(i)];
    if (step.status & STEP_SKIP) {
      step.last_run = LAST_RUN_SKIPPED;
      if (ReadSetting(setting::kLogLevel)) WriteLog(run_texts::kSkipping, i + 1);
      ++i;
      continue;
    }
    if (step.status & STEP_BREAKPOINT) {
      step.last_run = LAST_RUN_BREAKPOINT;
      WriteLog(run_texts::kBreakpoint, i + 1);
      ShowStatus(0, run_texts::kBreakpoint, i + 1);
      break;
    }
    // A step tried again after a failure is not announced again.
    if (i != state_.last_announced) {
      AnnounceStep(slot, i);
      state_.retry_counter = 0;
    }
    clock().Sleep(0);
    state_.journal_active.store(false);
    state_.playback_refused.store(false);
    step.last_run = LAST_RUN_INCOMPLETE;
    ++step.run_count;

    // A step's error text is its own: a reason left by an earlier step (a
    // false condition, a method that failed before another worked) must not
    // be reported for this one.
    state_.step_error.clear();
    int result = Dispatch(slot, i);
    // A key or recording playback runs on a player thread; wait for its end.
    while (state_.journal_active.load() && !Abandoned(start.id)) {
      clock().Sleep(0);
      clock().Sleep(200);
    }
    // Input the system refused during the playback fails the step that
    // started it, rather than passing it.
    if (state_.playback_refused.exchange(false) && result > 0) {
      SetStepError("%s", run_texts::kInputRefused);
      result = 0;
    }
    if (Abandoned(start.id)) {
      *abandoned = true;
      return LoopEnd::Stopped;
    }

    const bool user_stop = stop_requested() || input().KeyPressed(stop_key);
    if (result == -1 || user_stop) {
      step.last_run = LAST_RUN_INCOMPLETE;
      WriteLog(run_texts::kStopRequest, i + 1);
      ShowStatus(0, run_texts::kStopRequest, i + 1);
      // The user asked to stop: that ends the repeats too, or a repeated run
      // would start again at once and the stop key could never end it.
      if (user_stop) set_run_repeats(slot, kNoRepeats);
      end = LoopEnd::Stopped;
      break;
    }

    int next;
    if (result != 0) {
      step.last_run = LAST_RUN_PASS;
      next = step.category == CAT_FLOW ? std::max(result - 1, 0) : i + 1;
      const int delay = ReadSetting(step_delay_setting);
      if (delay > 0) clock().Sleep(static_cast<uint32_t>(delay));
    } else {
      next = failure_handler_(*this, slot, i);
      if (Abandoned(start.id)) {  // forced to stop while a failure box was shown
        *abandoned = true;
        return LoopEnd::Stopped;
      }
      if (next < 0) {
        step.last_run = LAST_RUN_FAIL;
        // The Pause command closes a failure box and stops the run: then a
        // person ended it, not the failure.
        end = stop_requested() ? LoopEnd::Stopped : LoopEnd::Failed;
        break;
      }
      if (next != i) step.last_run = LAST_RUN_FAIL_CONTINUE;
    }
    i = next;
  }

  // Let a popup or image that the last step showed stay a moment.
  const int last = state_.last_announced;
  if (last >= 0 && last < s.step_count && last < s.capacity()) {
    const StepRecord& step = s.steps[static_cast<std::size_t>(last)];
    const int shown_ms = TextToInt(step.timeout.view());
    if ((ContainsNoCase(step.action.view(), " Popup") || ContainsNoCase(step.action.view(), "Display Image")) &&
        shown_ms > 0)
      clock().Sleep(static_cast<uint32_t>(std::clamp(shown_ms, 1000, 3000)));
  }
  if (Abandoned(start.id)) {
    *abandoned = true;
    return LoopEnd::Stopped;
  }

  if (end == LoopEnd::Completed) {
    const CivilTime now = clock().Now();
    const std::string elapsed = ElapsedTimeText(clock().Ticks() - start_tick);
    WriteLog(run_texts::kRunCompleted, now.hour, now.minute, now.second, elapsed.c_str());
    ShowStatus(0, run_texts::kRunCompleted, now.hour, now.minute, now.second, elapsed.c_str());
  }
  return end;
}

int RunEngine::Dispatch(int slot, int index) {
  StepRecord& step = workspace_.slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  if (!HandlerTable::Dispatchable(step.category)) {
    WriteLog(run_texts::kUnknownActionLine,
             FormatLogText(run_texts::kUnknownAction, step.category, step.action.c_str()).c_str());
    return 1;
  }
  const StepHandler handler = handlers_.Get(step.category);
  if (!handler) {
    SetStepError(run_texts::kActionNotAvailable, step.action.c_str());
    return 0;
  }
  return handler(*this, handlers_.services(), slot, index);
}

}  // namespace zelo
