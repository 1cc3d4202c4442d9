// The keys and the mouse button the program itself holds down between steps:
// the Ctrl, Shift and Alt keys a Type step left down ("{ctrldown}") and the
// left button a mouse step left down. The end of a run releases exactly these;
// a key the user holds is left alone.
#pragma once

namespace zelo {

enum HeldInputBits : unsigned {
  HELD_CTRL = 0x1,
  HELD_SHIFT = 0x2,
  HELD_ALT = 0x4,
  HELD_LEFT_BUTTON = 0x8,
};
inline constexpr unsigned kHeldModifiers = HELD_CTRL | HELD_SHIFT | HELD_ALT;

// Program-wide; safe from the run thread and the main thread.
void NoteHeld(unsigned bits);
void NoteReleased(unsigned bits);
unsigned HeldInput();
// Returns what is held and marks it all released; the caller sends the
// releases.
unsigned TakeHeldInput();
// A full run starts: the modifiers are no longer counted as held by the
// program (they are not released), the mouse button stays recorded.
void ForgetHeldModifiers();

}  // namespace zelo
