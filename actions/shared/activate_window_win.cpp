// ActivateWindow: brings a window, usually of another program, to the front
// and shows it, restored when it was minimised. A static control (a label)
// hands the focus on to the control it labels.
#include <windows.h>

#include "actions/programs/program_platform.h"
#include "actions/shared/window_number_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// A hung program must not hold up the run.
constexpr UINT kSendTimeoutMs = 1000;
constexpr int kTabStepsTried = 1024;

bool IsStatic(HWND window) {
  wchar_t name[16] = {};
  if (GetClassNameW(window, name, 16) == 0) return false;
  if (lstrcmpiW(name, L"Static") == 0) return true;
  // A group box is a button that labels the controls in it.
  return lstrcmpiW(name, L"Button") == 0 && (GetWindowLongPtrW(window, GWL_STYLE) & 0xF) == BS_GROUPBOX;
}

bool IsEdit(HWND window) {
  wchar_t name[16] = {};
  return GetClassNameW(window, name, 16) != 0 && lstrcmpiW(name, L"Edit") == 0;
}

// The next tab-stop control after a label that is not a label itself; the
// label when none is found within the steps.
HWND PastLabel(HWND label) {
  const HWND dialog = GetParent(label);
  if (dialog == nullptr) return label;
  HWND control = label;
  for (int i = 0; i < kTabStepsTried; ++i) {
    control = GetNextDlgTabItem(dialog, control, FALSE);
    if (control == nullptr || control == label) break;
    if (!IsStatic(control)) return control;
  }
  return label;
}

}  // namespace

bool ActivateWindow(uint64_t handle) {
  HWND window = AsWindow(handle);
  if (window == nullptr || !IsWindow(window)) return false;
  if (GetForegroundWindow() == window && !IsIconic(window)) return true;

  // The system grants the foreground to a window activated as if by its hot key.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_HOTKEY, reinterpret_cast<LPARAM>(window), SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &ignored);
  if (IsStatic(window)) {
    window = PastLabel(window);
    if (IsEdit(window)) SendMessageTimeoutW(window, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
  }
  // Only the foreground thread may hand the foreground on, and only the
  // window's own thread may give it the focus: sharing their input states
  // makes this thread one that may.
  {
    const DWORD own_thread = GetCurrentThreadId();
    const HWND foreground = GetForegroundWindow();
    const AttachedThreadInput with_foreground(own_thread,
                                              foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0);
    const AttachedThreadInput with_window(own_thread, GetWindowThreadProcessId(window, nullptr));
    // A control cannot be the foreground window itself: its top-level window is.
    const HWND root = GetAncestor(window, GA_ROOT) ? GetAncestor(window, GA_ROOT) : window;
    SetForegroundWindow(root);
    BringWindowToTop(root);
    SetFocus(window);
  }

  const HWND parent = GetParent(window);
  if (parent != nullptr && IsIconic(parent)) ShowWindow(parent, SW_RESTORE);
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  return true;
}

}  // namespace zelo
