// The main window's run engine with the Win32 seams it runs on, and the end
// of a run when the window closes.
#pragma once

#include "engine/run_engine.h"
#include "ui/output_log_sink_win.h"
#include "ui/run_clock_win.h"
#include "ui/run_input_win.h"
#include "ui/run_system_win.h"
#include "ui/run_window_win.h"

namespace zelo {

class MainWindow;

class MainRun {
 public:
  // Installs the handlers this build has and shows the run log in the window.
  MainRun(MainWindow& window, Workspace& workspace);
  ~MainRun();
  MainRun(const MainRun&) = delete;
  MainRun& operator=(const MainRun&) = delete;

  RunEngine& engine() { return engine_; }

  // Ends an active run before the window goes: asks it to stop (no repeats
  // follow), waits a few seconds, then ends its thread by force. Called on
  // the main window's thread, which keeps taking the run thread's sent
  // messages meanwhile. False when a run thread is still alive at the end.
  bool StopForClose();

 private:
  bool WaitUntilIdle(uint32_t timeout_ms);

  WinRunClock clock_;
  WinRunInput input_;
  WinRunWindow window_;
  WinRunSystem system_;
  OutputLogSink sink_;
  RunEngine engine_;  // last: it ends its threads before the seams go
};

}  // namespace zelo
