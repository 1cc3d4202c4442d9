#include "actions/shared/system_error_win.h"

#include <windows.h>

#include <memory>

#include "base/ansi_text_win.h"

namespace zelo {

namespace {

struct LocalFreer {
  void operator()(wchar_t* p) const { LocalFree(p); }
};

}  // namespace

std::string WinErrorText(unsigned long code) {
  wchar_t* raw = nullptr;
  const DWORD n =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&raw), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalFreer> buf(raw);
  std::string text;
  if (n && buf) text = WideToAnsi(std::wstring_view(buf.get(), n));
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
  if (text.empty()) text = "Error " + std::to_string(code);
  if (text.size() > 2047) text.resize(2047);
  return text;
}

std::string LastWinErrorText() { return WinErrorText(GetLastError()); }

}  // namespace zelo
