#include "ui/main/status_bar_win.h"

#include <commctrl.h>

#include "base/ansi_text_win.h"
#include "ui/main/clock_text.h"

namespace zelo {

bool StatusBar::Create(HWND parent, int id) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (!hwnd_) return false;
  progress_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD, 0, 0, 0, 0, hwnd_, nullptr, instance, nullptr);
  SendMessageW(progress_, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  Resize();
  SetPart(1, "Loops: 0");
  ShowClock();
  return true;
}

void StatusBar::Resize() {
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  const int clock = 90, loops = 110;
  int parts[3] = {rc.right - clock - loops, rc.right - clock, -1};
  if (parts[0] < 50) parts[0] = 50;
  SendMessageW(hwnd_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  RECT part0;
  SendMessageW(hwnd_, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&part0));
  MoveWindow(progress_, part0.left + 1, part0.top + 1, part0.right - part0.left - 2, part0.bottom - part0.top - 2, TRUE);
}

int StatusBar::Height() const {
  if (!hwnd_ || !IsWindowVisible(hwnd_)) return 0;
  RECT r;
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

void StatusBar::SetPart(int part, std::string_view text) {
  // Under the progress bar part 0 cannot be seen: a load's running count
  // would only cost a repaint each time. The last text shows when it goes.
  if (part == 0 && progress_ && IsWindowVisible(progress_)) {
    hidden_text_.assign(text.data(), text.size());
    has_hidden_text_ = true;
    return;
  }
  if (hwnd_ && part >= 0 && part < 3)
    SendMessageW(hwnd_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(AnsiToWide(text).c_str()));
}

void StatusBar::ShowClock() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  SetPart(2, ClockText(now.wHour, now.wMinute));
}

void StatusBar::ShowProgress(bool visible) {
  if (!progress_) return;
  SendMessageW(progress_, PBM_SETPOS, 0, 0);
  shown_percent_ = 0;
  ShowWindow(progress_, visible ? SW_SHOW : SW_HIDE);
  if (!visible && has_hidden_text_) {
    has_hidden_text_ = false;
    SetPart(0, hidden_text_);
  }
  // A long write runs on this thread: paint now, not after it.
  UpdateWindow(hwnd_);
}

void StatusBar::SetProgress(int percent) {
  if (!progress_) return;
  percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
  // A load reports every few steps; the bar is drawn only when it moves.
  if (percent == shown_percent_) return;
  shown_percent_ = percent;
  SendMessageW(progress_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
  UpdateWindow(progress_);
}

}  // namespace zelo
