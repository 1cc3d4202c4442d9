// ActivateWindow: brings a window, usually of another program, to the front
// and shows it, restored when it was minimised.
#include <windows.h>

#include <utility>

#include "actions/programs/program_platform.h"
#include "actions/shared/window_number_win.h"

namespace zelo {

namespace {
// A hung program must not hold up the run.
constexpr UINT kSendTimeoutMs = 1000;
}  // namespace

bool ActivateWindow(uint64_t handle) {
  const HWND window = AsWindow(handle);
  if (window == nullptr || !IsWindow(window)) return false;
  if (GetForegroundWindow() == window && !IsIconic(window)) return true;

  // The system grants the foreground to a window activated as if by its hot key.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_HOTKEY, reinterpret_cast<LPARAM>(window), SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &ignored);
  // Only the foreground thread may hand the foreground on: sharing its input
  // state makes this thread one that may.
  const DWORD own_thread = GetCurrentThreadId();
  const HWND foreground = GetForegroundWindow();
  const DWORD foreground_thread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  bool attached = false;
  DWORD from = own_thread, to = foreground_thread;
  if (foreground_thread != 0 && foreground_thread != own_thread) {
    attached = AttachThreadInput(from, to, TRUE) != 0;
    if (!attached) {
      std::swap(from, to);
      attached = AttachThreadInput(from, to, TRUE) != 0;
    }
  }
  SetForegroundWindow(window);
  BringWindowToTop(window);
  SetFocus(window);
  if (attached) AttachThreadInput(from, to, FALSE);

  const HWND parent = GetParent(window);
  if (parent != nullptr && IsIconic(parent)) ShowWindow(parent, SW_RESTORE);
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  return true;
}

}  // namespace zelo
