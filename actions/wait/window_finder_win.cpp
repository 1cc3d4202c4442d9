#include "actions/wait/window_finder_win.h"

#include <algorithm>
#include <string>

#include "base/ansi_text_win.h"
#include "base/text.h"

namespace zelo {

namespace {

// The class of the program's main window.
constexpr wchar_t kProgramWindowClass[] = L"Zelomat";
constexpr int kAncestorsTested = 5;
// A window that does not answer within this time is taken as untitled, so
// that a hung program cannot hold up the lookup.
constexpr UINT kTextTimeoutMs = 100;
constexpr int kMaxTitle = 255;

std::string WithoutAmpersands(std::string text) {
  std::string out;
  for (char c : text)
    if (c != '&') out += c;
  return out;
}

std::string WindowTitle(HWND window) {
  wchar_t buffer[kMaxTitle + 1] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, kMaxTitle + 1, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                           kTextTimeoutMs, &copied))
    return {};
  return WithoutAmpersands(WideToAnsi(std::wstring_view(buffer, std::min<size_t>(copied, kMaxTitle))));
}

bool Framed(HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  return (style & (WS_DLGFRAME | WS_THICKFRAME)) != 0 && IsWindowVisible(window);
}

// The main window of this process: another copy of the program has its own.
HWND ProgramMainWindow() {
  for (HWND h = FindWindowExW(nullptr, nullptr, kProgramWindowClass, nullptr); h;
       h = FindWindowExW(nullptr, h, kProgramWindowClass, nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(h, &process);
    if (process == GetCurrentProcessId()) return h;
  }
  return nullptr;
}

struct Search {
  std::string title;
  HWND found = nullptr;
};

bool TitleHolds(HWND window, const std::string& title) {
  const std::string text = WindowTitle(window);
  return !text.empty() && ContainsNoCase(text, title);
}

BOOL CALLBACK VisitDescendant(HWND window, LPARAM param) {
  Search& search = *reinterpret_cast<Search*>(param);
  if (TitleHolds(window, search.title) && !BelongsToProgramWindow(window)) search.found = window;
  return TRUE;
}

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM param) {
  Search& search = *reinterpret_cast<Search*>(param);
  if (TitleHolds(window, search.title) && Framed(window)) search.found = window;
  // Every descendant, whether its top-level window matched or not.
  EnumChildWindows(window, &VisitDescendant, param);
  return TRUE;
}

WindowLookup Present(HWND window) {
  WindowLookup lookup;
  lookup.outcome = FindOutcome::Found;
  lookup.window = reinterpret_cast<uintptr_t>(window);
  lookup.program_window = BelongsToProgramWindow(window);
  return lookup;
}

}  // namespace

bool BelongsToProgramWindow(HWND window) {
  const HWND main = ProgramMainWindow();
  for (int i = 0; window && i <= kAncestorsTested; ++i) {
    if (main && window == main) return true;
    wchar_t name[64] = {};
    if (GetClassNameW(window, name, 64) && std::wstring_view(name).find(kProgramWindowClass) != std::wstring_view::npos)
      return true;
    window = GetAncestor(window, GA_PARENT);
  }
  return false;
}

WindowLookup TitleWindowFinder::FindByTitle(std::string_view title) {
  // No title names no window (an empty one would take the first untitled).
  if (title.empty()) return {};
  if (HWND exact = FindWindowW(nullptr, AnsiToWide(title).c_str())) return Present(exact);
  Search search;
  search.title = WithoutAmpersands(std::string(title));
  if (search.title.empty()) return {};
  EnumWindows(&VisitTopLevel, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return {};
  return Present(search.found);
}

}  // namespace zelo
