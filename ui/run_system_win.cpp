#include "ui/run_system_win.h"

#include <windows.h>
#include <pthread.h>

#include "actions/shared/screen_capture_win.h"
#include "expr/variable_store.h"
#include "ui/main_window_win.h"

namespace zelo {

bool WinRunSystem::OtherInstanceRunning() {
  // Every instance has a main window of the program's class, hidden ones too.
  const DWORD self = GetCurrentProcessId();
  for (HWND h = FindWindowExW(nullptr, nullptr, kMainWindowClass, nullptr); h;
       h = FindWindowExW(nullptr, h, kMainWindowClass, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner != self) return true;
  }
  return false;
}

// The stored variables with every tab's local ones, and the files that hold
// the values the registry refused. The program has no variables palette yet
// that would need emptying.
void WinRunSystem::DeleteAllUserVariables() { ResetUserVariables(); }

bool WinRunSystem::ScreenSaverActive() {
  BOOL active = FALSE;
  return SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) && active;
}

void WinRunSystem::SetScreenSaverActive(bool active) {
  SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, active ? TRUE : FALSE, nullptr, SPIF_SENDCHANGE | SPIF_UPDATEINIFILE);
}

bool WinRunSystem::TerminateThread(std::thread& thread) {
  if (!thread.joinable()) return false;
  // std::thread of the posix mingw runtime is a winpthreads thread; its
  // Windows handle stays owned by winpthreads.
  HANDLE handle = static_cast<HANDLE>(pthread_gethandle(thread.native_handle()));
  if (!handle || !::TerminateThread(handle, 1)) return false;
  // The termination is asynchronous; the caller takes the thread as gone.
  return WaitForSingleObject(handle, 5000) == WAIT_OBJECT_0;
}

bool WinRunSystem::CaptureScreen(const std::string& path) { return CaptureToBitmapFile(nullptr, nullptr, path) != 0; }

}  // namespace zelo
