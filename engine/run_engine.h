// RunEngine: runs the steps of one open script on a thread of its own while
// the main window's thread keeps the editor and receives the stop command.
// StartRun starts a run, the run thread walks the steps and dispatches each to
// its category's handler, StopRun handles the Pause command and the end of a
// run (clean-up, repeats, the end of a hidden program).
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/handler_table.h"
#include "engine/run_log.h"
#include "engine/run_seams.h"
#include "engine/run_state.h"
#include "model/workspace.h"

namespace zelo {

enum class RunCommand { Run, RunFromHere, RunSingleStep };

enum class StopHow {
  PauseCommand,  // the Pause menu or toolbar command: ask the run to stop
  PauseConfirm,  // its second stage (timer, or the keyboard accelerator): offer the forced stop
  EndOfRun,      // the run thread itself, when the run has ended
};

// Decides what follows a failed step: the index to go on with (the same index
// tries the step again) or -1 to stop the run. Reads and clears the step
// error text.
using FailureHandler = int (*)(RunEngine& run, int slot, int index);

class RunEngine {
 public:
  // The seams must outlive the engine.
  RunEngine(Workspace& workspace, const RunSeams& seams);
  // Asks a running run to stop and waits for every run thread to end.
  ~RunEngine();
  RunEngine(const RunEngine&) = delete;
  RunEngine& operator=(const RunEngine&) = delete;

  // Configuration, before the first run.
  HandlerTable& handlers() { return handlers_; }
  void set_failure_handler(FailureHandler handler) { failure_handler_ = handler; }
  // The program was started to run a script hidden: the end of the run ends it.
  void set_hidden_program(bool hidden) { hidden_program_ = hidden; }
  // User variables came from the command line: runs keep them.
  void set_variables_from_command_line(bool v) { variables_from_command_line_ = v; }
  // Called at the start of every full run with its slot, to reset run-wide
  // state kept outside the engine (loop stacks, window-loop position).
  void OnFullRunStart(std::function<void(int slot)> reset) { full_run_resets_.push_back(std::move(reset)); }

  // Starts a run of the slot unless one is active. user_start (the Run
  // commands of the user) clears the slot's repeats first. Returns true when
  // a run thread was started.
  bool StartRun(int slot, RunCommand command, bool user_start);
  void StopRun(int slot, StopHow how);
  // Logs the step's line, takes the step start time and shows the step.
  void AnnounceStep(int slot, int index);

  bool RunActive() const;
  // Waits until no run is active and every run thread has ended; false when
  // the time ran out. For shutdown and tests.
  bool WaitUntilIdle(uint32_t timeout_ms);

  // For handlers and failure modes.
  Workspace& workspace() { return workspace_; }
  RunState& state() { return state_; }
  RunClock& clock() { return *seams_.clock; }
  RunInput& input() { return *seams_.input; }
  RunWindow& window() { return *seams_.window; }
  RunSystem& system() { return *seams_.system; }
  // Message boxes; failure handling shows them from the run thread, so the
  // window's implementation must not assume the main thread.
  EditorSeam& messages() { return workspace_.seam(); }
  void SetStepError(const char* format, ...) ZELO_PRINTF_FORMAT(2, 3);
  bool stop_requested() const { return state_.stop_request.load(std::memory_order_relaxed); }
  void RequestStop() { state_.stop_request.store(true, std::memory_order_relaxed); }
  int32_t run_repeats(int slot) const;
  void set_run_repeats(int slot, int32_t value);

 private:
  struct RunStart {
    int slot = 0;
    int first = 0;
    bool single_step = false;
    uint64_t id = 0;
  };
  struct RunThread {
    uint64_t id = 0;
    std::thread thread;
    bool finished = false;  // has left everything that touches the engine
  };
  enum class LoopEnd { Completed, Stopped, Failed, Critical };

  void RunThreadMain(RunStart start);
  LoopEnd RunSteps(const RunStart& start, uint32_t start_tick, bool* abandoned);
  int Dispatch(int slot, int index);
  bool Abandoned(uint64_t id) const { return live_run_id_.load() != id; }
  void FinishThread(uint64_t id);
  void JoinFinishedThreads();
  // Ends the active run at once (the confirmed forced stop); false when no
  // run was active any more.
  bool ForceEnd();
  void CleanUp(int slot);
  void PrepareFullRun(int slot);

  Workspace& workspace_;
  RunSeams seams_;
  HandlerTable handlers_;
  FailureHandler failure_handler_;
  std::vector<std::function<void(int)>> full_run_resets_;
  bool hidden_program_ = false;
  bool variables_from_command_line_ = false;

  RunState state_;

  // Guards the run threads' bookkeeping below. Never held while a handler or
  // a seam is called, except the forced stop's TerminateThread.
  mutable std::mutex mutex_;
  std::condition_variable idle_;
  bool active_ = false;  // a run exists (its thread is being made or runs)
  int running_slot_ = -1;
  uint64_t next_id_ = 0;
  // The id of the run that owns the engine; 0 when none. A run thread whose
  // id no longer matches was ended by a forced stop.
  std::atomic<uint64_t> live_run_id_{0};
  int live_threads_ = 0;
  std::list<RunThread> threads_;
};

}  // namespace zelo
