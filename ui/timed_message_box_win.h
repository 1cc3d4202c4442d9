// A message box that closes itself: a hidden command-line run has no user to
// answer it, and a scheduler waiting for the program must never wait for ever.
#pragma once

#include <windows.h>

namespace zelo {

// MessageBoxW that, when nobody answers within timeout_ms, is closed by its
// safest button — No on a question, else Cancel, else OK — and returns that
// button. *timed_out (when given) tells whether the time ran out. For a box
// shown on a thread that has no other dialog open.
int TimedMessageBox(const wchar_t* text, const wchar_t* caption, UINT flags, DWORD timeout_ms,
                    bool* timed_out = nullptr);

}  // namespace zelo
