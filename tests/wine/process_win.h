// Test helpers for driving the real program: start a process, wait for it,
// wait for a window. Handles are owned and closed by the helper.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "base/win32_owners_win.h"

namespace zelo::test {

// How long a test waits for the program's windows and its end. Generous: the
// first start of a program in a fresh Wine prefix on a busy machine has been
// seen to take more than ten seconds.
inline constexpr DWORD kGuiWaitMs = 30000;

class Process {
 public:
  static Process Start(const std::wstring& exe, const std::wstring& args) {
    Process p;
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      const KernelHandle thread(pi.hThread);
      p.handle_.reset(pi.hProcess);
    }
    return p;
  }
  Process() = default;
  Process(Process&& o) noexcept = default;
  Process& operator=(Process&& o) noexcept {
    if (this != &o) {
      End();
      handle_ = std::move(o.handle_);
    }
    return *this;
  }
  ~Process() { End(); }
  bool valid() const { return static_cast<bool>(handle_); }
  DWORD id() const { return handle_ ? GetProcessId(handle_.get()) : 0; }
  // Ends the process as a crash would (TerminateProcess) and waits until it is gone.
  bool Kill() {
    return handle_ && TerminateProcess(handle_.get(), 99) && WaitForSingleObject(handle_.get(), 10000) == WAIT_OBJECT_0;
  }
  bool Wait(DWORD ms, DWORD* exit_code) {
    if (WaitForSingleObject(handle_.get(), ms) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(handle_.get(), exit_code) != 0;
  }

 private:
  void End() {
    if (!handle_) return;
    DWORD code = 0;
    // A test that failed half-way must not leave the program behind.
    if (GetExitCodeProcess(handle_.get(), &code) && code == STILL_ACTIVE) TerminateProcess(handle_.get(), 99);
    handle_.reset();
  }

  KernelHandle handle_;
};

// ctest hands over host paths ("/work/..."); Wine sees the host root as Z:.
inline std::wstring WindowsPath(const char* arg) {
  std::string s(arg);
  if (!s.empty() && s[0] == '/') {
    s = "Z:" + s;
    for (char& c : s)
      if (c == '/') c = '\\';
  }
  int n = MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.c_str(), -1, w.data(), n);
  w.resize(static_cast<size_t>(n - 1));
  return w;
}

// Polls for a top-level window of the class (and title, when given).
inline HWND WaitForWindow(const wchar_t* cls, const wchar_t* title, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND h = FindWindowW(cls, title);
    if (h) return h;
    if (GetTickCount() - start > ms) return nullptr;
    Sleep(50);
  }
}

// Polls until the window's title reads as expected (the program sets it after
// creating the window).
inline bool WaitForTitle(HWND h, const std::wstring& expected, DWORD ms) {
  DWORD start = GetTickCount();
  for (;;) {
    wchar_t title[512] = {};
    GetWindowTextW(h, title, 512);
    if (expected == title) return true;
    if (GetTickCount() - start > ms) return false;
    Sleep(50);
  }
}

}  // namespace zelo::test
