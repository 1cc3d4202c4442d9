#include <windows.h>

#include "actions/keyboard/key_sender.h"
#include "actions/keyboard/keyboard_platform.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "expr/substitution_context.h"

namespace zelo {

namespace {

class WinKeyboardPlatform : public KeyboardPlatform {
 public:
  KeySender& Keys() override { return *SystemKeySender(); }

  // Through the program's context, whose main window owns what the run puts
  // on the clipboard.
  bool ClipboardText(std::string* text) override {
    *text = CurrentSubstitutionContext().ClipboardText();
    return true;
  }
  bool SetClipboardText(std::string_view text) override {
    return CurrentSubstitutionContext().SetClipboardText(text);
  }

  uint64_t ForegroundWindow() override {
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(GetForegroundWindow()));
  }

  void PutWindowText(uint64_t window, std::string_view text) override {
    const std::wstring wide = AnsiToWide(text);
    DWORD_PTR result = 0;
    // A window of a hung program must not hold the run for ever.
    SendMessageTimeoutW(reinterpret_cast<HWND>(static_cast<uintptr_t>(window)), WM_SETTEXT, 0,
                        reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 5000, &result);
  }

  bool BlockInput(bool block) override {
    const Library user32(LoadLibraryW(L"USER32.DLL"));
    if (!user32) return false;
    using BlockInputFunction = BOOL(WINAPI*)(BOOL);
    // A system without the function lets the step pass: nothing to block.
    if (auto block_input = LibraryFunction<BlockInputFunction>(user32, "BlockInput")) block_input(block ? TRUE : FALSE);
    return true;
  }

  uint32_t Ticks() override { return GetTickCount(); }
};

}  // namespace

KeyboardPlatform* SystemKeyboardPlatform() {
  static WinKeyboardPlatform platform;
  return &platform;
}

}  // namespace zelo
