// One call of the "Wait" handler: the step, its time-out as read at the
// start of the call, and the stop test every wait makes at least every
// 250 ms. Shared by the own loops and the single checks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "actions/shared/action_services.h"
#include "actions/wait/wait_services.h"
#include "engine/run_engine.h"

namespace zelo {

// The longest sleep of a wait between two looks at its condition and the
// stop key.
inline constexpr uint32_t kWaitPollMs = 250;

class WaitStep {
 public:
  WaitStep(RunEngine& run, const ActionServices& services, int slot, int index);

  RunEngine& run;
  const ActionServices& services;
  const WaitServices& waits;
  const int slot, index;
  const StepRecord& step;
  const std::string timeout_text;  // expanded
  const uint32_t wait_ms;

  std::string Expanded(std::string_view field) const { return services.expand(field, slot, index); }
  bool TimePassed() const { return Passed() >= wait_ms; }
  uint32_t Remaining() const { return TimePassed() ? 0 : wait_ms - Passed(); }
  // Gives up the time slice, then sleeps up to one poll, no longer than the
  // time left.
  void Pause() const {
    run.clock().Sleep(0);
    run.clock().Sleep(std::min(kWaitPollMs, Remaining()));
  }
  // The stop key is down (or was pressed since the last look) or the run
  // was asked to stop; the key also asks the run to stop, so that it ends
  // the run's repeats as well.
  bool StopAsked() const;
  WaitStop StopTest() const {
    return [this] { return StopAsked(); };
  }
  // The step's detail lines go to the log on its first execution in a run.
  bool FirstExecution() const { return step.run_count <= 1; }
  // The outcome of a search or lookup that stands for the whole step.
  int Unavailable() const;

 private:
  uint32_t Passed() const { return run.clock().Ticks() - start_; }
  const uint32_t start_;
  const int stop_key_;
};

// The process runs at idle priority while a delay or a bitmap search lasts,
// and at its own priority again however it ends. Nothing changes without a
// system.
class IdlePriority {
 public:
  explicit IdlePriority(WaitSystem* system) : system_(system), saved_(system ? system->PriorityClass() : 0) {
    if (system_) system_->SetPriorityClass(kIdlePriorityClass);
  }
  ~IdlePriority() {
    if (system_) system_->SetPriorityClass(saved_);
  }
  IdlePriority(const IdlePriority&) = delete;
  IdlePriority& operator=(const IdlePriority&) = delete;

 private:
  WaitSystem* system_;
  uint32_t saved_;
};

// The own loops.
int DelayStep(const WaitStep& w, bool idle);
int AwaitInputStep(const WaitStep& w, bool mouse);
int AwaitMovementStep(const WaitStep& w);

// The single checks.
int PixelStep(const WaitStep& w);
int ImageStep(const WaitStep& w, bool masked);
int WindowStep(const WaitStep& w, bool appear);
int FileStep(const WaitStep& w);

}  // namespace zelo
