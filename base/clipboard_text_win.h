// Plain text on the clipboard, as other programs exchange it: the editor's
// copied steps and the scripts' "%clipboard".
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zelo {

// The clipboard's text; empty when it holds none or stays busy.
std::string ReadClipboardText(HWND owner);
// Puts the text, up to a NUL, on the clipboard in place of what was there.
// The window owns the data: a clipboard emptied while opened without an
// owner refuses new data.
bool WriteClipboardText(HWND owner, std::string_view text);

}  // namespace zelo
