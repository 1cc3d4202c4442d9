#include "ui/run_input_win.h"

#include <windows.h>

#include "actions/shared/held_input.h"
#include "actions/shared/input_player.h"

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

// The program's input player stands where the journal-playback hook stood.
bool WinRunInput::JournalHookInstalled() { return ProgramInputPlayer().Busy(); }

void WinRunInput::RemoveJournalHook() {
  InputPlayer& player = ProgramInputPlayer();
  player.RequestStop();
  // The player shows its log lines by sending them to the main window's
  // thread, which may be this one: answer them while waiting for its end.
  while (player.Busy()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  player.Stop();
}

bool WinRunInput::CapsLockOn() {
  // Low bit: toggled on; high bit: held down.
  return GetKeyState(VK_CAPITAL) != 0;
}

}  // namespace zelo
