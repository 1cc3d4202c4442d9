// The run-wide state that handlers and failure modes share with the run loop.
// One run exists at a time; the words the main thread and the run thread both
// touch are atomics, polled without locks.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "base/fixed_text.h"
#include "model/script_slot.h"

namespace zelo {

// Values of a slot's run-repeat counter besides "N repeats still to do".
inline constexpr int32_t kNoRepeats = 0;
inline constexpr int32_t kRepeatForever = 2000000000;
inline constexpr int32_t kRepeatsFinished = -1;

inline constexpr std::size_t kStepErrorBytes = 2048;

struct RunState {
  // Set by the first press of Pause and by long-running actions that see
  // the stop key; cleared when a run starts and when a forced stop is
  // cancelled. The run loop reads it after every step.
  std::atomic<bool> stop_request{false};
  // Set while a key or recording playback of the main thread is going on.
  std::atomic<bool> journal_active{false};
  // Set by such a playback, before it clears journal_active, when the system
  // refused its input: the step that started it fails once it has ended.
  std::atomic<bool> playback_refused{false};
  // Tick count when the current step was announced (its time-out counts from here).
  std::atomic<uint32_t> step_start_tick{0};
  // Tries of the current step under the "retry" failure mode.
  int retry_counter = 0;
  // Index of the step announced last in this run; -1 before the first.
  int last_announced = -1;
  // Why the step failed; the failure handling reads and clears it.
  FixedText<kStepErrorBytes> step_error;
  // Set by an IF step whose condition could not be decided (as opposed to a
  // false one): its failure is handled as any step's failure, not as a skip.
  bool condition_undecided = false;
  // Set by a handler whose failure no retry can mend (a key text that names
  // no key, an action this build cannot do): the failure mode applies at
  // once instead of after the step's time-out. The failure handling clears it.
  bool failure_is_final = false;
  // Per slot, set by "Set Run Repeats": kNoRepeats, N > 0 still to do,
  // kRepeatForever, kRepeatsFinished.
  std::array<std::atomic<int32_t>, kMaxSlots> run_repeats{};
};

}  // namespace zelo
