#include "ui/main_run_win.h"

#include <windows.h>

#include "actions/action_handlers.h"
#include "actions/windows/window_lookup.h"
#include "engine/handle_failure.h"
#include "engine/loop_state.h"

namespace zelo {

namespace {

// How long a closing window lets the run finish its step before ending it.
constexpr uint32_t kStopGraceMs = 5000;
// How long the forced end may take before the run thread counts as stuck.
constexpr uint32_t kForcedEndMs = 5000;

RunSeams MakeSeams(RunClock& clock, RunInput& input, RunWindow& window, RunSystem& system) {
  RunSeams seams;
  seams.clock = &clock;
  seams.input = &input;
  seams.window = &window;
  seams.system = &system;
  return seams;
}

}  // namespace

MainRun::MainRun(MainWindow& window, Workspace& workspace)
    : window_(window), sink_(window), engine_(workspace, MakeSeams(clock_, input_, window_, system_)) {
  InstallActionHandlers(engine_.handlers());
  engine_.set_failure_handler(&HandleFailure);
  engine_.OnFullRunStart(&ResetLoopStateForFullRun);
  engine_.OnFullRunStart([](int) { SetCurrentWindow(0); });
  UseLogSink(&sink_);
}

MainRun::~MainRun() { UseLogSink(nullptr); }

bool MainRun::StopForClose() {
  if (WaitUntilIdle(0)) return true;
  for (int slot = 0; slot < kMaxSlots; ++slot) engine_.set_run_repeats(slot, kNoRepeats);
  engine_.RequestStop();
  // A failure box of the run would hold it up; its OK lets the run end.
  window_.CloseRunFailureBox();
  if (WaitUntilIdle(kStopGraceMs)) return true;
  engine_.ForceStop();
  return WaitUntilIdle(kForcedEndMs);
}

bool MainRun::WaitUntilIdle(uint32_t timeout_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (engine_.WaitUntilIdle(0)) return true;
    if (GetTickCount() - start >= timeout_ms) return false;
    // The run thread shows its lines by sending messages to this thread.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace zelo
