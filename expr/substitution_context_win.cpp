#include "expr/substitution_context_win.h"

#include <cstring>
#include <vector>

#include "base/ansi_text_win.h"
#include "base/clipboard_text_win.h"
#include "base/local_clock.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// Calls fill(buffer, capacity) -> length, growing the buffer while the
// answer says it needs more room (the folder calls report the size needed,
// the module name fills the buffer to the brim).
template <class Fill>
std::string SystemText(Fill fill) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const DWORD capacity = static_cast<DWORD>(buffer.size());
    const DWORD n = fill(buffer.data(), capacity);
    if (n == 0) return std::string();
    if (n < capacity - 1) return WideToAnsi(std::wstring_view(buffer.data(), n));
    buffer.resize(static_cast<std::size_t>(n > capacity ? n : capacity * 2) + 1);
  }
  return std::string();
}

using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);

}  // namespace

std::string ExecutableFolder() {
  std::string path = SystemText([](wchar_t* b, DWORD n) { return GetModuleFileNameW(nullptr, b, n); });
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return std::string();
  path.resize(slash);
  // A program at the top of a drive keeps its folder as "C:"; the variable
  // files then go to "C:\name.ZELO_var".
  return path;
}

WinSubstitutionContext::WinSubstitutionContext() : program_folder_(ExecutableFolder()) {}

int64_t WinSubstitutionContext::Now() { return UnixSecondsNow(); }

CivilTime WinSubstitutionContext::LocalTime(int64_t seconds) { return LocalCivilTime(seconds); }

uint32_t WinSubstitutionContext::TickCount() { return GetTickCount(); }

bool WinSubstitutionContext::EnvironmentVariable(std::string_view name, std::string* value) {
  // "=" cannot be part of a name; the system would read such a name as the
  // hidden per-drive folder entries ("=C:").
  if (name.empty() || name.find('=') != std::string_view::npos || name.find('\0') != std::string_view::npos)
    return false;
  const std::wstring wide = AnsiToWide(name);
  SetLastError(ERROR_SUCCESS);
  std::vector<wchar_t> buffer(256);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const DWORD capacity = static_cast<DWORD>(buffer.size());
    const DWORD n = GetEnvironmentVariableW(wide.c_str(), buffer.data(), capacity);
    if (n == 0) {
      // Defined and empty, or not defined at all.
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
      value->clear();
      return true;
    }
    if (n < capacity) {
      *value = WideToAnsi(std::wstring_view(buffer.data(), n));
      return true;
    }
    buffer.resize(n);
  }
  return false;
}

int64_t WinSubstitutionContext::MainWindowHandle() {
  return static_cast<int64_t>(reinterpret_cast<intptr_t>(main_window_));
}

std::string WinSubstitutionContext::ScriptFileName(int slot) {
  return facts_.script_file ? facts_.script_file(slot) : std::string();
}

int32_t WinSubstitutionContext::LoopCounter(int slot) { return facts_.loop_counter ? facts_.loop_counter(slot) : 0; }

int32_t WinSubstitutionContext::RunRepeats(int slot) { return facts_.run_repeats ? facts_.run_repeats(slot) : 0; }

std::string WinSubstitutionContext::SystemFolder() {
  return SystemText([](wchar_t* b, DWORD n) { return static_cast<DWORD>(GetSystemDirectoryW(b, n)); });
}

std::string WinSubstitutionContext::WindowsFolder() {
  return SystemText([](wchar_t* b, DWORD n) { return static_cast<DWORD>(GetWindowsDirectoryW(b, n)); });
}

std::string WinSubstitutionContext::CurrentFolder() {
  return SystemText([](wchar_t* b, DWORD n) { return GetCurrentDirectoryW(n, b); });
}

OsVersion WinSubstitutionContext::WindowsVersion() {
  // The version functions of kernel32 report what the program's manifest
  // asks for; the one of ntdll reports the system as it is.
  OSVERSIONINFOW info;
  std::memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  bool known = false;
  if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
    auto get = reinterpret_cast<RtlGetVersionFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")));
    known = get && get(&info) == 0;
  }
  if (!known) known = GetVersionExW(&info) != 0;
  OsVersion v;
  if (!known) return v;
  v.major = info.dwMajorVersion;
  v.minor = info.dwMinorVersion;
  v.build = info.dwBuildNumber & 0xFFFF;
  v.nine_x_line = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
  return v;
}

bool WinSubstitutionContext::CurrentWindowRect(ScreenRect* rect) {
  HWND window = facts_.current_window ? facts_.current_window() : nullptr;
  RECT r;
  if (!window || !IsWindow(window) || !GetWindowRect(window, &r)) return false;
  rect->left = r.left;
  rect->top = r.top;
  rect->right = r.right;
  rect->bottom = r.bottom;
  return true;
}

std::string WinSubstitutionContext::ForegroundWindowTitle() {
  HWND window = GetForegroundWindow();
  if (!window) return std::string();
  wchar_t title[512];
  const int n = GetWindowTextW(window, title, 512);
  return n > 0 ? WideToAnsi(std::wstring_view(title, static_cast<std::size_t>(n))) : std::string();
}

int64_t WinSubstitutionContext::ForegroundWindowHandle() {
  return static_cast<int64_t>(reinterpret_cast<intptr_t>(GetForegroundWindow()));
}

std::string WinSubstitutionContext::ForegroundWindowClass() {
  HWND window = GetForegroundWindow();
  if (!window) return std::string();
  wchar_t name[260];
  const int n = GetClassNameW(window, name, 260);
  return n > 0 ? WideToAnsi(std::wstring_view(name, static_cast<std::size_t>(n))) : std::string();
}

void WinSubstitutionContext::MousePosition(int32_t* x, int32_t* y) {
  POINT p = {0, 0};
  GetCursorPos(&p);
  *x = p.x;
  *y = p.y;
}

void WinSubstitutionContext::ScreenSize(int32_t* width, int32_t* height) {
  *width = GetSystemMetrics(SM_CXSCREEN);
  *height = GetSystemMetrics(SM_CYSCREEN);
}

std::string WinSubstitutionContext::CreateTempFile() {
  const std::string folder = SystemText([](wchar_t* b, DWORD n) { return GetTempPathW(n, b); });
  if (folder.empty()) return std::string();
  wchar_t name[MAX_PATH + 1];
  // Number 0: the system picks a free name and creates the file empty.
  if (GetTempFileNameW(AnsiToWide(folder).c_str(), L"ZEL", 0, name) == 0) return std::string();
  return WideToAnsi(name);
}

std::string WinSubstitutionContext::ClipboardText() { return ReadClipboardText(main_window_); }

bool WinSubstitutionContext::SetClipboardText(std::string_view text) { return WriteClipboardText(main_window_, text); }

void WinSubstitutionContext::EmptyClipboard() {
  OpenedClipboard clipboard(main_window_);
  if (clipboard.open()) ::EmptyClipboard();
}

void WinSubstitutionContext::WriteLog(std::string_view line) {
  if (facts_.log) facts_.log(line);
}

}  // namespace zelo
