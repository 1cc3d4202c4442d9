// Finding and answering the program's windows from a test: its main window,
// its message boxes and their buttons, as a user would see and press them.
#pragma once

#include <windows.h>

#include <string>

namespace zelo::test {

// A top-level window of the class (and caption, when given) that belongs to
// the process; nullptr when there is none.
HWND FindProcessWindow(DWORD pid, const wchar_t* cls, const wchar_t* caption = nullptr);
// Polls FindProcessWindow until the window is there or ms have passed.
HWND WaitForProcessWindow(DWORD pid, const wchar_t* cls, DWORD ms, const wchar_t* caption = nullptr);

// The first window of the class anywhere below parent (palettes sit inside
// their dock containers); nullptr when there is none.
HWND FindDescendant(HWND parent, const wchar_t* cls);

std::wstring WindowText(HWND h);
// The message text of a message box: its longest static control.
std::wstring MessageBoxText(HWND box);
// The box exists a moment before its caption and text are filled in.
std::wstring WaitForMessageBoxText(HWND box, DWORD ms);

// Presses a button of a dialog by its id (IDOK, IDCANCEL), as a click would.
void PressButton(HWND box, int id);
inline void PressOk(HWND box) { PressButton(box, IDOK); }

}  // namespace zelo::test
