// The processor time another process has used, as a test or benchmark
// measures it. Wine's GetProcessTimes does not count another process's time
// truly, so under Wine the host's own account of the process is read.
#pragma once

#include <windows.h>

#include <sstream>
#include <string>

#include "base/win32_owners_win.h"

namespace zelo::test {

inline std::string HostFileText(const std::wstring& path) {
  std::string bytes;
  const KernelHandle f(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
  char buffer[4096];
  DWORD got = 0;
  while (f && ReadFile(f.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

inline bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// Wine's GetProcessTimes is no true count for another process (next to
// nothing for a busy one, far too much for an idle one), so under Wine the
// host's own account of it is read: its /proc folder (seen
// through drive Z:), found by marker, a text only its command line holds.
// Empty when there is none.
inline std::wstring HostProcessFolder(const std::string& marker) {
  WIN32_FIND_DATAW entry;
  const HANDLE found = FindFirstFileW(L"Z:\\proc\\*", &entry);
  if (found == INVALID_HANDLE_VALUE) return L"";
  const FindHandle search(found);
  do {
    const std::wstring folder = std::wstring(L"Z:\\proc\\") + entry.cFileName;
    if (entry.cFileName[0] >= L'0' && entry.cFileName[0] <= L'9' &&
        HostFileText(folder + L"\\cmdline").find(marker) != std::string::npos)
      return folder;
  } while (FindNextFileW(found, &entry));
  return L"";
}

// Processor time the process has used, in milliseconds: from its host
// folder when it has one.
inline double ProcessCpuMs(HANDLE process, const std::wstring& host_folder) {
  if (!host_folder.empty()) {
    // utime and stime: the 12th and 13th fields after the command's name.
    const std::string stat = HostFileText(host_folder + L"\\stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 1));
    std::string field;
    double ticks = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i)
      if (i >= 12) ticks += std::stod(field);
    return ticks * 10.0;  // 100 ticks a second
  }
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

}  // namespace zelo::test
