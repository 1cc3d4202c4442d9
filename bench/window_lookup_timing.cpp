// Window lookups on a desktop of N top-level windows with 10 controls each,
// made by a second thread of this program (so every text is asked for by a
// sent message, as from another program): lookups per second by title, by
// class and ID, and of a control by its text, for 20 and for 200 windows.
// Every lookup enumerates the whole desktop and asks each window at most
// once for its text, so the time should grow with the window count.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "actions/windows/window_lookup.h"
#include "base/win32_owners_win.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kControls = 10;

struct Desktop {
  HANDLE ready = nullptr;
  HANDLE done = nullptr;
  int windows = 0;
};

void MakeWindows(Desktop* desk) {
  WNDCLASSW cls = {};
  cls.lpfnWndProc = DefWindowProcW;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.lpszClassName = L"ZeloBenchFrame";
  RegisterClassW(&cls);
  std::vector<zelo::OwnedWindow> made;
  for (int i = 0; i < desk->windows; ++i) {
    const std::wstring title = L"Bench Window " + std::to_wstring(i);
    HWND top = CreateWindowExW(0, cls.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10 + i, 10 + i,
                               300, 200, nullptr, nullptr, cls.hInstance, nullptr);
    made.emplace_back(top);
    for (int c = 1; c <= kControls; ++c) {
      const std::wstring text = L"Control " + std::to_wstring(c) + L" of " + std::to_wstring(i);
      CreateWindowExW(0, L"Button", text.c_str(), WS_CHILD | WS_VISIBLE, 5, 15 * c, 100, 14, top,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(c)), cls.hInstance, nullptr);
    }
  }
  SetEvent(desk->ready);
  // Answer the lookups' messages until the timing is over.
  while (MsgWaitForMultipleObjects(1, &desk->done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

double PerSecond(uint32_t flags, const char* spec, bool* found) {
  int n = 0;
  const auto start = Clock::now();
  double elapsed = 0;
  do {
    *found = zelo::FindWindowForStep(flags, spec, zelo::WindowQualifier::Any).window != 0;
    ++n;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < 1.0);
  return n / elapsed;
}

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What reading top-level titles from the system's copy saves against asking
// each window by a message: every top-level title once, and an exact title
// search as the system's FindWindow does it and as the lookup does it.
void TopLevelTitles(int windows, const std::string& exact_title) {
  std::vector<HWND> tops;
  EnumWindows(
      [](HWND w, LPARAM out) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(out)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tops));
  wchar_t text[256];
  auto start = Clock::now();
  for (HWND w : tops) {
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 100, &copied);
  }
  const double asked = MsSince(start);
  start = Clock::now();
  for (HWND w : tops) InternalGetWindowText(w, text, 256);
  const double kept = MsSince(start);
  const std::wstring wide(exact_title.begin(), exact_title.end());
  start = Clock::now();
  const bool system_found = FindWindowW(nullptr, wide.c_str()) != nullptr;
  const double system_search = MsSince(start);
  start = Clock::now();
  const bool found = zelo::ProgramWindowTree().FindTopLevel(exact_title, {}) != 0;
  const double kept_search = MsSince(start);
  std::printf("  %3d windows: %zu top-level titles asked %7.1f ms, read from the system's copy %6.1f ms (%.0fx)\n",
              windows, tops.size(), asked, kept, asked / std::max(kept, 0.001));
  std::printf("  %3d windows: exact title, FindWindow %7.1f ms, the lookup's search %6.1f ms (%.0fx)%s\n", windows,
              system_search, kept_search, system_search / std::max(kept_search, 0.001),
              found && system_found ? "" : "  (NOT FOUND)");
}

}  // namespace

int main() {
  std::printf("window lookups per second (each enumerates the whole desktop)\n");
  double first[3] = {};
  for (int windows : {20, 200}) {
    Desktop desk;
    const zelo::KernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const zelo::KernelHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    desk.ready = ready.get();
    desk.done = done.get();
    desk.windows = windows;
    std::thread maker(MakeWindows, &desk);
    WaitForSingleObject(desk.ready, INFINITE);
    const std::string last = "Window " + std::to_string(windows - 1);
    const std::string control = "Control 7 of " + std::to_string(windows - 1);
    bool found[3] = {};
    const double rates[3] = {PerSecond(zelo::SEARCH_TITLE, last.c_str(), &found[0]),
                             PerSecond(zelo::SEARCH_CLASS | zelo::SEARCH_ID, "Button|7", &found[1]),
                             PerSecond(zelo::SEARCH_TITLE, control.c_str(), &found[2])};
    static const char* const kNames[] = {"by title", "by class + ID", "a control by its text"};
    for (int k = 0; k < 3; ++k) {
      if (windows == 20) first[k] = rates[k];
      std::printf("  %3d windows (%4d with controls) %-22s %8.1f lookups/s%s", windows, windows * (kControls + 1),
                  kNames[k], rates[k], found[k] ? "" : "  (NOT FOUND)");
      if (windows != 20) std::printf("  (%.1fx slower than with 20)", first[k] / rates[k]);
      std::printf("\n");
    }
    TopLevelTitles(windows, "Bench Window " + std::to_string(windows - 1));
    SetEvent(desk.done);
    maker.join();
  }
  return 0;
}
