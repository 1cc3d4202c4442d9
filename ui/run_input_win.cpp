#include "ui/run_input_win.h"

#include <windows.h>

#include "actions/keyboard/key_sender.h"
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
  // Keys go up the way they went down, through the key sender (the same
  // scan codes and extended flags).
  KeySender& keys = *SystemKeySender();
  if (held & HELD_CTRL) SendKey(keys, VK_CONTROL, false, 2);
  if (held & HELD_SHIFT) SendKey(keys, VK_SHIFT, false, 2);
  if (held & HELD_ALT) SendKey(keys, VK_MENU, false, 2);
  if (held & HELD_LEFT_BUTTON) {
    INPUT up = {};
    up.type = INPUT_MOUSE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &up, sizeof(INPUT));
  }
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
