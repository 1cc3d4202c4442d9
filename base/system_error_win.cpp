#include "base/system_error_win.h"

#include <windows.h>

#include "base/ansi_text_win.h"

namespace zelo {

namespace {
constexpr DWORD kMostChars = 2047;
}  // namespace

std::string SystemErrorText(unsigned long code) {
  wchar_t buf[kMostChars + 1];
  // Language 0: the system's own order of preference, ending in English, so
  // that a system without messages in the user's language still answers.
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buf,
                                 kMostChars + 1, nullptr);
  std::string text = WideToAnsi(std::wstring_view(buf, n));
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  if (text.empty()) return "System error " + std::to_string(code);
  if (text.size() > kMostChars) text.resize(kMostChars);
  return text;
}

}  // namespace zelo
