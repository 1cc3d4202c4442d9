#include "actions/shared/system_message_win.h"

#include <cstdio>

#include "base/ansi_text_win.h"

namespace zelo {

namespace {
constexpr DWORD kMaxMessage = 2047;
}

std::string SystemMessageText(DWORD error) {
  wchar_t buf[kMaxMessage + 1];
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                 MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buf, kMaxMessage, nullptr);
  if (n == 0) {
    char number[64];
    std::snprintf(number, sizeof number, "System error %lu", static_cast<unsigned long>(error));
    return number;
  }
  return WideToAnsi(std::wstring_view(buf, n)).substr(0, kMaxMessage);
}

}  // namespace zelo
