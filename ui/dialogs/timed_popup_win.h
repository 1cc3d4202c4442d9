// A borderless window that shows a text for a while and then closes itself
// (the start-up splash, the Actions palette's hint). Showing it never holds
// up the caller; a click closes it early.
#pragma once

#include <windows.h>

#include <string_view>

namespace zelo {

enum class PopupLook {
  Splash,  // the program's name large, the text below, centred on the screen
  Hint,    // a tool-tip coloured box with the text, its top-left corner at `at`
};

// The popup's window, or nullptr when it could not be made. It belongs to
// the calling thread, which must run a message loop.
HWND ShowTimedPopup(HWND owner, PopupLook look, std::string_view text, POINT at, unsigned milliseconds);

}  // namespace zelo
