// Test program: exit_code.exe CODE [SLEEP_MS [RECORD_FILE]]
// Waits SLEEP_MS, writes its current folder and its command line to
// RECORD_FILE (one per line), and exits with CODE.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int wmain(int argc, wchar_t** argv) {
  const int code = argc > 1 ? _wtoi(argv[1]) : 0;
  if (argc > 2) Sleep(static_cast<DWORD>(_wtoi(argv[2])));
  if (argc > 3) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    char text[2 * MAX_PATH + 8192] = {};
    const int n = WideCharToMultiByte(CP_ACP, 0, folder, -1, text, MAX_PATH * 2, nullptr, nullptr);
    if (n > 0) {
      std::strcat(text, "\r\n");
      const std::size_t used = std::strlen(text);
      WideCharToMultiByte(CP_ACP, 0, GetCommandLineW(), -1, text + used, static_cast<int>(sizeof text - used - 3),
                          nullptr, nullptr);
      std::strcat(text, "\r\n");
    }
    if (FILE* f = _wfopen(argv[3], L"wb")) {
      std::fwrite(text, 1, std::strlen(text), f);
      std::fclose(f);
    }
  }
  return code;
}
