#include "ui/run_window_win.h"

#include <windows.h>

#include <vector>

#include "actions/shared/window_number_win.h"
#include "base/ansi_text_win.h"
#include "engine/run_texts.h"
#include "ui/command_line.h"
#include "ui/main_window_win.h"
#include "ui/startup_plan.h"

namespace zelo {

namespace {

// A hidden program's window never shows: not minimised, not restored, and
// its list is not kept in step with the run.
bool HiddenProgram() { return (StartBits() & START_HIDDEN) != 0; }

}  // namespace

void WinRunWindow::SetRunningState(bool running) {
  window_.OnMainThread([&] { window_.SetRunningState(running); });
}

void WinRunWindow::MinimizeMainWindow() {
  if (HiddenProgram()) return;
  window_.OnMainThread([&] { ShowWindow(window_.hwnd(), SW_MINIMIZE); });
}

void WinRunWindow::RestoreMainWindow() {
  if (HiddenProgram()) return;
  window_.OnMainThread([&] { ShowWindow(window_.hwnd(), SW_RESTORE); });
}

void WinRunWindow::CloseMainWindow() {
  // Posted: the run thread that asks must not wait for the window's end.
  PostMessageW(window_.hwnd(), WM_CLOSE, 0, 0);
}

int WinRunWindow::FirstSelectedStep(int slot) {
  int first = -1;
  window_.OnMainThread([&] {
    if (slot != window_.workspace().current) return;
    std::vector<int> rows = window_.SelectedRows();
    if (!rows.empty()) first = rows.front();
  });
  return first;
}

void WinRunWindow::ClearSelection(int slot) {
  window_.OnMainThread([&] {
    if (slot == window_.workspace().current) window_.SelectRows({});
  });
}

void WinRunWindow::SelectStep(int slot, int index) {
  if (HiddenProgram()) return;
  window_.OnMainThread([&] {
    if (slot != window_.workspace().current) return;
    if (window_.SelectedRows() != std::vector<int>{index}) window_.SelectRows({index});
  });
}

void WinRunWindow::FollowStep(int slot, int index) {
  if (HiddenProgram()) return;
  window_.run_display().FollowStep(slot, index);
}

// The progress window is not part of this build: runs show their step in the
// status bar instead, which is what the engine does when it is not visible.
bool WinRunWindow::ProgressVisible() { return false; }
void WinRunWindow::ShowProgress(bool) {}
void WinRunWindow::SetProgress(int) {}

void WinRunWindow::CloseRunFailureBox() {
  struct Search {
    DWORD process;
    std::wstring caption;
  } search{GetCurrentProcessId(), AnsiToWide(run_texts::kRunFailureCaption)};
  EnumWindows(
      [](HWND h, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner != s->process) return TRUE;
        wchar_t cls[16] = {}, title[64] = {};
        GetClassNameW(h, cls, 16);
        GetWindowTextW(h, title, 64);
        // As if its OK button were pressed, or No on a question: the failure
        // handling then goes on, and a question box stops the run.
        if (wcscmp(cls, L"#32770") == 0 && s->caption == title) {
          const int button = GetDlgItem(h, IDNO) ? IDNO : IDOK;
          PostMessageW(h, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
}

void WinRunWindow::ArmStopTimer() {
  window_.OnMainThread([&] { SetTimer(window_.hwnd(), kStopTimerId, 1000, nullptr); });
}

uint64_t WinRunWindow::ForegroundWindow() {
  // While no window has the foreground (a desktop without a user, a hidden
  // run just started), the walk starts at the top of the z-order instead of
  // finding nothing.
  const HWND foreground = GetForegroundWindow();
  return AsNumber(foreground ? foreground : GetTopWindow(nullptr));
}

uint64_t WinRunWindow::NextWindow(uint64_t window) {
  if (!window || !IsWindow(AsWindow(window))) return 0;
  return AsNumber(GetWindow(AsWindow(window), GW_HWNDNEXT));
}

bool WinRunWindow::IsFramedTopLevelWindow(uint64_t window) {
  const HWND h = AsWindow(window);
  if (!window || !IsWindow(h) || !IsWindowVisible(h) || GetParent(h)) return false;
  const LONG_PTR style = GetWindowLongPtrW(h, GWL_STYLE);
  return (style & (WS_DLGFRAME | WS_THICKFRAME)) != 0;
}

std::string WinRunWindow::WindowText(uint64_t window) {
  wchar_t text[260] = {};
  // A hung window must not hold up the run.
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(AsWindow(window), WM_GETTEXT, 260, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                           1000, &copied))
    return {};
  text[259] = 0;
  std::string ansi = WideToAnsi(text);
  if (ansi.size() > 259) ansi.resize(259);
  return ansi;
}

}  // namespace zelo
