#include "ui/timed_message_box_win.h"

namespace zelo {

namespace {

// Set by the timer of the box shown on this thread.
thread_local bool t_box_timed_out = false;

// The box runs its own message loop on this thread, which also delivers the
// thread's timer; the timer then answers the dialog of this thread. No and
// Cancel come first: an unanswered question must never count as a yes.
void CALLBACK AnswerDialogOfThread(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  t_box_timed_out = true;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(h, cls, 16);
        if (wcscmp(cls, L"#32770") != 0) return TRUE;
        int button = IDOK;
        if (GetDlgItem(h, IDNO)) {
          button = IDNO;
        } else if (GetDlgItem(h, IDCANCEL)) {
          button = IDCANCEL;
        }
        PostMessageW(h, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
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

int TimedMessageBox(const wchar_t* text, const wchar_t* caption, UINT flags, DWORD timeout_ms, bool* timed_out) {
  t_box_timed_out = false;
  int answer;
  {
    ThreadTimer timer(timeout_ms, &AnswerDialogOfThread);
    answer = MessageBoxW(nullptr, text, caption, flags);
  }
  if (timed_out) *timed_out = t_box_timed_out;
  return answer;
}

}  // namespace zelo
