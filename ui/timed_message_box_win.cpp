#include "ui/timed_message_box_win.h"

namespace zelo {

namespace {

// The box runs its own message loop on this thread, which also delivers the
// thread's timer; the timer then presses OK on the dialog of this thread.
void CALLBACK PressOkOfThreadDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(h, cls, 16);
        if (wcscmp(cls, L"#32770") == 0) PostMessageW(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
      },
      0);
}

class ThreadTimer {
 public:
  ThreadTimer(DWORD ms, TIMERPROC proc) : id_(SetTimer(nullptr, 0, ms, proc)) {}
  ~ThreadTimer() {
    if (id_) KillTimer(nullptr, id_);
  }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

 private:
  UINT_PTR id_;
};

}  // namespace

int TimedMessageBox(const wchar_t* text, const wchar_t* caption, UINT flags, DWORD timeout_ms) {
  ThreadTimer timer(timeout_ms, &PressOkOfThreadDialog);
  return MessageBoxW(nullptr, text, caption, flags);
}

}  // namespace zelo
