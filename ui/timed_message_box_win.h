// A message box that closes itself: a hidden command-line run has no user to
// press OK, and a scheduler waiting for the program must never wait for ever.
#pragma once

#include <windows.h>

namespace zelo {

// MessageBoxW that, when nobody answers within timeout_ms, is closed as if
// its OK button had been pressed and returns IDOK. For boxes with an OK
// button, shown on a thread that has no other dialog open.
int TimedMessageBox(const wchar_t* text, const wchar_t* caption, UINT flags, DWORD timeout_ms);

}  // namespace zelo
