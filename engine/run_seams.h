// The seams through which the run engine reaches the system and the main
// window. The Windows build plugs in the real ones (tick count and Sleep,
// GetAsyncKeyState and SendKey, the main window's menus, list and timers);
// native tests plug in doubles. Message boxes go through the workspace's
// EditorSeam.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

#include "base/civil_time.h"

namespace zelo {

class RunClock {
 public:
  virtual ~RunClock() = default;
  // Milliseconds from an arbitrary origin; wraps around like the system's
  // tick count, so only differences count.
  virtual uint32_t Ticks() = 0;
  // 0 gives up the rest of the time slice.
  virtual void Sleep(uint32_t milliseconds) = 0;
  virtual CivilTime Now() = 0;
};

class RunInput {
 public:
  virtual ~RunInput() = default;
  // The stop key test: the key is down, or was pressed since the last poll,
  // by the system's asynchronous key state (a short tap between two steps
  // must still stop the run).
  virtual bool KeyPressed(int virtual_key) = 0;
  // A full run starts: forget the modifiers a Type step left held.
  virtual void ForgetHeldModifiers() = 0;
  // The run ends: release the Ctrl, Shift and Alt keys a Type step left
  // held and a held left mouse button.
  virtual void ReleaseHeldInput() = 0;
  virtual bool JournalHookInstalled() = 0;
  virtual void RemoveJournalHook() = 0;
  // Caps Lock is toggled on or held down.
  virtual bool CapsLockOn() = 0;
};

// Notifications to the main window. Calls come from the run thread as well
// as from the main thread.
class RunWindow {
 public:
  virtual ~RunWindow() = default;
  // Menus and toolbar in the running (Pause enabled, editing disabled) or the
  // editing state.
  virtual void SetRunningState(bool running) = 0;
  virtual void MinimizeMainWindow() = 0;
  virtual void RestoreMainWindow() = 0;
  // Requests the main window to close, which ends the program.
  virtual void CloseMainWindow() = 0;
  // The first selected step of the slot's list, -1 when nothing is selected.
  virtual int FirstSelectedStep(int slot) = 0;
  virtual void ClearSelection(int slot) = 0;
  // Selects the step in the list unless it is the selected one already, and
  // repaints the list.
  virtual void SelectStep(int slot, int index) = 0;
  // Selects the running step when the display next catches up with the run:
  // the run thread does not wait for the window. A window that shows every
  // step at once may simply select it.
  virtual void FollowStep(int slot, int index) { SelectStep(slot, index); }
  // The progress window of runs.
  virtual bool ProgressVisible() = 0;
  virtual void ShowProgress(bool visible) = 0;
  virtual void SetProgress(int percent) = 0;
  // Closes a "Run Failure" message box of the run, if one is shown.
  virtual void CloseRunFailureBox() = 0;
  // Arms the one-second timer after which the main window calls StopRun
  // with the second stage of the Pause command.
  virtual void ArmStopTimer() = 0;

  // The desktop's windows, for the windows loop. Handles are numbers; 0 is
  // no window. The foreground window; the top window in z-order while no
  // window has the foreground.
  virtual uint64_t ForegroundWindow() = 0;
  // The window after this one in z-order; 0 at the end or when the window is gone.
  virtual uint64_t NextWindow(uint64_t window) = 0;
  // A visible window with a dialog or sizing frame and no parent.
  virtual bool IsFramedTopLevelWindow(uint64_t window) = 0;
  // The window's title text, at most 259 characters.
  virtual std::string WindowText(uint64_t window) = 0;
};

class RunSystem {
 public:
  virtual ~RunSystem() = default;
  virtual bool OtherInstanceRunning() = 0;
  // Deletes every user variable and empties the variables palette.
  virtual void DeleteAllUserVariables() = 0;
  // The user's screen saver switch ("ScreenSaveActive" of the desktop settings).
  virtual bool ScreenSaverActive() = 0;
  virtual void SetScreenSaverActive(bool active) = 0;
  // Ends the thread at once, in the middle of whatever it does. Returns false
  // when the platform cannot; the engine then leaves the thread to finish
  // its step, after which it quits without touching anything.
  virtual bool TerminateThread(std::thread& thread) = 0;
  // Saves the whole primary screen as an uncompressed BMP file; false when
  // it could not be written.
  virtual bool CaptureScreen(const std::string& path) = 0;
};

struct RunSeams {
  RunClock* clock = nullptr;
  RunInput* input = nullptr;
  RunWindow* window = nullptr;
  RunSystem* system = nullptr;
};

}  // namespace zelo
