// The run engine's view of the main window: menus in the running state, the
// window's size, its list of steps, the "Run Failure" box and the timer of the
// Pause command. Calls come from the run thread as well as the main thread;
// everything that touches the window is done on the main window's thread.
#pragma once

#include "engine/run_seams.h"

namespace zelo {

class MainWindow;

class WinRunWindow : public RunWindow {
 public:
  explicit WinRunWindow(MainWindow& window) : window_(window) {}

  void SetRunningState(bool running) override;
  void MinimizeMainWindow() override;
  void RestoreMainWindow() override;
  void CloseMainWindow() override;
  int FirstSelectedStep(int slot) override;
  void ClearSelection(int slot) override;
  void SelectStep(int slot, int index) override;
  void FollowStep(int slot, int index) override;
  bool ProgressVisible() override;
  void ShowProgress(bool visible) override;
  void SetProgress(int percent) override;
  void CloseRunFailureBox() override;
  void ArmStopTimer() override;
  uint64_t ForegroundWindow() override;
  uint64_t NextWindow(uint64_t window) override;
  bool IsFramedTopLevelWindow(uint64_t window) override;
  std::string WindowText(uint64_t window) override;

 private:
  MainWindow& window_;
};

}  // namespace zelo
