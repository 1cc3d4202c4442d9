// Text inside the program is single-byte ANSI; the Win32 "W" entry points get
// UTF-16 converted with the ANSI code page at this one boundary.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zelo {

inline std::wstring ToWide(std::string_view s) {
  if (s.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

inline std::string FromWide(std::wstring_view w) {
  if (w.empty()) return std::string();
  int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

}  // namespace zelo
