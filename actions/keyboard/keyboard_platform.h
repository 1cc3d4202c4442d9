// What the "Keyboard" handler asks of the system besides the key sender:
// the clipboard, the foreground window and its text, BlockInput, and a tick
// count for the buffered typing's time limit. The program uses the system's
// (SystemKeyboardPlatform); tests pass a double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelo {

class KeySender;

class KeyboardPlatform {
 public:
  virtual ~KeyboardPlatform() = default;
  // The sender every keystroke goes through; also used from the player's
  // thread.
  virtual KeySender& Keys() = 0;
  // The clipboard's text, empty when it holds none; false when the
  // clipboard could not be opened.
  virtual bool ClipboardText(std::string* text) = 0;
  // Replaces the clipboard's content by the text; false when it could not.
  virtual bool SetClipboardText(std::string_view text) = 0;
  virtual uint64_t ForegroundWindow() = 0;
  // Sets the window's text (WM_SETTEXT).
  virtual void PutWindowText(uint64_t window, std::string_view text) = 0;
  // Calls the system's BlockInput, found in USER32.DLL at run time; false
  // only when the library could not be loaded.
  virtual bool BlockInput(bool block) = 0;
  // Milliseconds from an arbitrary origin, wrapping; read from any thread.
  virtual uint32_t Ticks() = 0;
};

// The running system's; nullptr in the native build, which has no input
// stream to type into.
KeyboardPlatform* SystemKeyboardPlatform();

}  // namespace zelo
