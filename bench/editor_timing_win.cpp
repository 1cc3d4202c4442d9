// The editor under Wine with a 50,000-step script: how long until the grid
// shows the script's first rows (against a one-step script started the same
// way), scrolling the grid from the first row to the last page by page,
// selecting a step until the Properties palette has it, and the process's
// memory.
//   editor_timing.exe PATH\Zelomat.exe
// Changes "ShowSplash"; scripts/bench.sh saves and restores the settings.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "ui/grid/step_grid_win.h"

namespace {

constexpr int kSteps = 50000;

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
  zelo::KernelHandle f(CreateFileW(zelo::AnsiToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return f && WriteFile(f.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

// A script of every-day steps: comments, typing with its text, waits.
std::string Script(int steps) {
  std::string s = "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n";
  for (int i = 1; i <= steps; ++i) {
    switch (i % 3) {
      case 0: s += "<step>\r\n\t<action>Comment</action>\r\n\t<comment>step " + std::to_string(i) + "</comment>\r\n</step>\r\n"; break;
      case 1: s += "<step>\r\n\t<action>Type</action>\r\n\t<text>typed text of step " + std::to_string(i) + "{enter}</text>\r\n</step>\r\n"; break;
      default: s += "<step>\r\n\t<action>Wait for Window to Appear</action>\r\n\t<text>Untitled - Notepad</text>\r\n\t<timeout>5</timeout>\r\n</step>\r\n"; break;
    }
  }
  return s + "</Zelomat>";
}

struct Editor {
  zelo::KernelHandle process;
  HWND main = nullptr;
  HWND grid = nullptr;
};

HWND FindGrid(HWND main) {
  HWND found = nullptr;
  EnumChildWindows(
      main,
      [](HWND h, LPARAM lp) -> BOOL {
        wchar_t cls[64] = {};
        GetClassNameW(h, cls, 64);
        if (lstrcmpiW(cls, L"SysListView32") != 0) return TRUE;
        *reinterpret_cast<HWND*>(lp) = h;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Starts the editor on the script and returns the seconds until its grid
// holds every step and has drawn its first page; -1 on failure.
double OpenEditor(const std::wstring& program, const std::string& script, const std::wstring& title, int steps,
                  Editor* e) {
  std::wstring cmd = L"\"" + program + L"\" /e \"" + zelo::AnsiToWide(script) + L"\"";
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  const double start = Now();
  if (!CreateProcessW(program.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  const zelo::KernelHandle thread(pi.hThread);
  e->process.reset(pi.hProcess);
  for (;;) {
    if (Now() - start > 120) return -1;
    HWND main = FindWindowW(L"Zelomat", title.c_str());
    if (main) {
      HWND grid = FindGrid(main);
      if (grid && SendMessageW(grid, LVM_GETITEMCOUNT, 0, 0) == steps) {
        UpdateWindow(grid);  // the first rows are drawn when this returns
        e->main = main;
        e->grid = grid;
        return Now() - start;
      }
    }
    Sleep(5);
  }
}

void Close(Editor& e) {
  PostMessageW(e.main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(e.process.get(), 10000) != WAIT_OBJECT_0) TerminateProcess(e.process.get(), 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: editor_timing.exe PATH\\Zelomat.exe\n");
    return 2;
  }
  const std::wstring program = argv[1];
  {
    HKEY key = nullptr;
    if (!RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Zelomat", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)) {
      const zelo::RegistryKey owned(key);
      DWORD zero = 0;
      RegSetValueExW(key, L"ShowSplash", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    }
  }
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = zelo::WideToAnsi(temp);
  const std::string big = folder + "editor50k.zxm", small = folder + "editor1.zxm";
  if (!WriteWhole(big, Script(kSteps)) || !WriteWhole(small, Script(1))) return 1;

  Editor one;
  const double baseline = OpenEditor(program, small, L"editor1.zxm - Zelomat", 1, &one);
  if (baseline < 0) return 1;
  Close(one);

  Editor e;
  const double open = OpenEditor(program, big, L"editor50k.zxm - Zelomat", kSteps, &e);
  if (open < 0) {
    std::fprintf(stderr, "the editor did not show the script\n");
    return 1;
  }
  std::printf("open %d steps until the grid shows its first rows: %.2f s (a one-step script: %.2f s, %.1fx)\n", kSteps,
              open, baseline, open / baseline);

  // Page by page as PgDn would, each page drawn before the next.
  const double scroll_start = Now();
  int pages = 0;
  const int per_page = static_cast<int>(SendMessageW(e.grid, LVM_GETCOUNTPERPAGE, 0, 0));
  while (SendMessageW(e.grid, LVM_GETTOPINDEX, 0, 0) + per_page < kSteps && pages < kSteps) {
    SendMessageW(e.grid, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(e.grid);
    ++pages;
  }
  const double scroll = Now() - scroll_start;
  std::printf("scroll first to last row: %d pages of %d rows in %.2f s = %.2f ms a page\n", pages, per_page, scroll,
              pages ? scroll * 1000 / pages : 0.0);

  // A selection as the keyboard makes it, then the main window's answer to
  // the grid's selection notice, which gives the step to the Properties
  // palette: both return only when done.
  std::vector<double> picks;
  for (int i = 0; i < 21; ++i) {
    const double t = Now();
    SendMessageW(e.grid, WM_KEYDOWN, i % 2 ? VK_HOME : VK_END, 0);
    SendMessageW(e.main, zelo::kMsgGridSelectionSettled, 0, reinterpret_cast<LPARAM>(e.grid));
    UpdateWindow(e.main);
    picks.push_back(Now() - t);
  }
  std::sort(picks.begin(), picks.end());
  std::printf("select a step until the Properties palette has it: median %.2f ms (of %zu)\n", picks[picks.size() / 2] * 1000,
              picks.size());

  PROCESS_MEMORY_COUNTERS_EX m = {};
  m.cb = sizeof m;
  if (K32GetProcessMemoryInfo(e.process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m), sizeof m))
    std::printf("memory with %d steps open: working set %.1f MB (peak %.1f MB), private bytes %.1f MB\n", kSteps,
                m.WorkingSetSize / 1048576.0, m.PeakWorkingSetSize / 1048576.0, m.PrivateUsage / 1048576.0);
  Close(e);
  DeleteFileW(zelo::AnsiToWide(big).c_str());
  DeleteFileW(zelo::AnsiToWide(small).c_str());
  return 0;
}
