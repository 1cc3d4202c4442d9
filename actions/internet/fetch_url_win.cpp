#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "actions/internet/fetch_url.h"
#include "base/ansi_text_win.h"
#include "base/printf_text.h"
#include "base/system_error_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {
constexpr DWORD kTimeoutMs = 20000;
constexpr DWORD kConnectRetries = 3;
constexpr DWORD kPieceBytes = 2048;
}  // namespace

std::size_t FetchUrl(const std::string& url, std::string* body, std::size_t limit, std::string* error) {
  body->clear();
  if (url.empty()) {
    if (error) *error = "Missing Parameters";
    return 0;
  }
  const InternetHandle session(InternetOpenW(L"Zelomat", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) {
    if (error) *error = "InternetOpen Error\r\n";
    return 0;
  }
  DWORD timeout = kTimeoutMs, retries = kConnectRetries;
  InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
  InternetSetOptionW(session.get(), INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
  InternetSetOptionW(session.get(), INTERNET_OPTION_CONNECT_RETRIES, &retries, sizeof retries);
  // Always from the server: a cached version file would hide a new release.
  const InternetHandle request(InternetOpenUrlW(session.get(), AnsiToWide(url).c_str(), nullptr, 0,
                                                INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  if (!request) {
    if (error) *error = PrintfText("InternetOpenUrl %lu: %s\r\n", GetLastError(), url.c_str());
    return 0;
  }
  std::size_t total = 0;
  char piece[kPieceBytes];
  for (;;) {
    DWORD got = 0;
    if (!InternetReadFile(request.get(), piece, kPieceBytes, &got)) {
      if (total == 0) {
        if (error) *error = SystemErrorText(GetLastError());
        return 0;
      }
      break;
    }
    if (got == 0) break;
    total += got;
    if (body->size() < limit) body->append(piece, std::min<std::size_t>(got, limit - body->size()));
  }
  return total;
}

}  // namespace zelo
