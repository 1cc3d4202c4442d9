// The main window's status bar: messages in part 0, the loop counter in
// part 1, the clock in part 2, and a progress bar over part 0 while long
// XML writes run.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zelo {

class StatusBar {
 public:
  bool Create(HWND parent, int id);
  HWND hwnd() const { return hwnd_; }
  void SetPart(int part, std::string_view text);
  // Part widths follow the window's width.
  void Resize();
  void ShowClock();
  void ShowProgress(bool visible);
  void SetProgress(int percent);
  int Height() const;

 private:
  HWND hwnd_ = nullptr;
  HWND progress_ = nullptr;
  int shown_percent_ = -1;
  std::string hidden_text_;  // part 0's latest text while the progress bar covers it
  bool has_hidden_text_ = false;
};

}  // namespace zelo
