#include "ui/run_input_win.h"

#include <windows.h>

#include "actions/shared/held_input.h"

namespace zelo {

bool WinRunInput::KeyPressed(int virtual_key) {
  // The high bit: down now; the low bit: pressed since the last poll, so a
  // short tap between two steps still counts.
  return GetAsyncKeyState(virtual_key) != 0;
}

void WinRunInput::ForgetHeldModifiers() { zelo::ForgetHeldModifiers(); }

void WinRunInput::ReleaseHeldInput() {
  const unsigned held = TakeHeldInput();
  INPUT events[4] = {};
  UINT n = 0;
  auto key_up = [&](WORD vk) {
    events[n].type = INPUT_KEYBOARD;
    events[n].ki.wVk = vk;
    events[n].ki.dwFlags = KEYEVENTF_KEYUP;
    ++n;
  };
  if (held & HELD_CTRL) key_up(VK_CONTROL);
  if (held & HELD_SHIFT) key_up(VK_SHIFT);
  if (held & HELD_ALT) key_up(VK_MENU);
  if (held & HELD_LEFT_BUTTON) {
    events[n].type = INPUT_MOUSE;
    events[n].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ++n;
  }
  if (n) SendInput(n, events, sizeof(INPUT));
}

// No step can install a journal hook yet (the recorder and the key playback
// that install one are still to come), so none is ever there to remove.
bool WinRunInput::JournalHookInstalled() { return false; }
void WinRunInput::RemoveJournalHook() {}

bool WinRunInput::CapsLockOn() {
  // Low bit: toggled on; high bit: held down.
  return GetKeyState(VK_CAPITAL) != 0;
}

}  // namespace zelo
