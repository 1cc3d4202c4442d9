// The path search's facts from the running Windows system.
#include <windows.h>

#include <string>

#include "actions/shared/path_search.h"
#include "actions/programs/program_platform.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

constexpr wchar_t kAppPaths[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

DWORD Attributes(const std::string& path) { return GetFileAttributesW(AnsiToWide(path).c_str()); }

// Reads a folder through a Win32 call that fills a buffer of a given size.
template <typename Call>
std::string FolderFrom(Call call) {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const UINT n = call(buf.data(), static_cast<UINT>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) {
      buf.resize(n);
      return WideToAnsi(buf);
    }
    buf.resize(n + 1);
  }
}

class WinPathFacts : public PathFacts {
 public:
  bool FileExists(const std::string& path) override {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool FolderExists(const std::string& path) override {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool AppPathsFolder(std::string_view name, std::string* folder) override {
    const RegistryKey key =
        OpenRegistryKey(HKEY_LOCAL_MACHINE, (kAppPaths + AnsiToWide(name)).c_str(), KEY_QUERY_VALUE);
    if (!key) return false;
    wchar_t buf[1024];
    DWORD size = sizeof buf - sizeof(wchar_t), type = 0;
    if (RegQueryValueExW(key.get(), L"Path", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
      return false;
    buf[size / sizeof(wchar_t)] = L'\0';
    *folder = WideToAnsi(buf);
    return true;
  }
  std::string CurrentFolder() override {
    return FolderFrom([](wchar_t* b, UINT n) { return static_cast<UINT>(GetCurrentDirectoryW(n, b)); });
  }
  std::string ProgramFolder() override { return std::string(FolderPart(OwnProgramPath())); }
  std::string WindowsFolder() override {
    return FolderFrom([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); });
  }
  std::string SystemFolder() override {
    return FolderFrom([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); });
  }
  bool SearchSystemPath(std::string_view name, std::string* full) override {
    const std::wstring wide = AnsiToWide(name);
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
      const DWORD n = SearchPathW(nullptr, wide.c_str(), nullptr, static_cast<DWORD>(buf.size()), buf.data(), nullptr);
      if (n == 0) return false;
      if (n < buf.size()) {
        buf.resize(n);
        *full = WideToAnsi(buf);
        return true;
      }
      buf.resize(n + 1);
    }
  }
};

}  // namespace

PathFacts& SystemPathFacts() {
  static WinPathFacts facts;
  return facts;
}

std::string OwnProgramPath() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::string();
    if (n < buf.size()) {
      buf.resize(n);
      return WideToAnsi(buf);
    }
    buf.resize(buf.size() * 2);
  }
}

}  // namespace zelo
