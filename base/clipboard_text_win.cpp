#include "base/clipboard_text_win.h"

#include <cstring>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

std::string ReadClipboardText(HWND owner) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard.open()) return std::string();
  // The system offers any text on the clipboard in UTF-16 as well.
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::string();
  const LockedGlobal locked(data);
  if (!locked.get()) return std::string();
  const wchar_t* text = static_cast<const wchar_t*>(locked.get());
  // Up to its NUL, and never past the block: another program's text need
  // not end with one.
  const std::size_t most = GlobalSize(data) / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < most && text[length] != L'\0') ++length;
  return WideToAnsi(std::wstring_view(text, length));
}

bool WriteClipboardText(HWND owner, std::string_view text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  const std::wstring wide = AnsiToWide(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block) return false;
  {
    const LockedGlobal locked(block.get());
    if (!locked.get()) return false;
    std::memcpy(locked.get(), wide.c_str(), bytes);
  }
  const OpenedClipboard clipboard(owner);
  if (!clipboard.open() || !EmptyClipboard()) return false;
  if (!SetClipboardData(CF_UNICODETEXT, block.get())) return false;
  block.release();  // the system's now
  return true;
}

}  // namespace zelo
