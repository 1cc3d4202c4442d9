// A docked pane ("ZeloDock"): a caption with a close button above one child
// window (a palette or the toolbar). The main window places the panes; the
// close button sends the pane's View command to the main window, so closing
// a pane and unticking its menu entry are one path.
#pragma once

#include <windows.h>

#include <string>

namespace zelo {

inline constexpr wchar_t kDockClass[] = L"ZeloDock";

class DockPane {
 public:
  DockPane() = default;
  DockPane(const DockPane&) = delete;
  DockPane& operator=(const DockPane&) = delete;

  // caption empty: no caption bar (the toolbar's pane).
  bool Create(HWND parent, const wchar_t* caption, int toggle_command);
  // The child shown inside; it becomes a child of the pane.
  void SetContent(HWND content);
  HWND hwnd() const { return hwnd_; }
  HWND content() const { return content_; }
  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  // Height of the caption bar (0 without one).
  int CaptionHeight() const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  RECT CloseBox() const;
  void Paint();

  HWND hwnd_ = nullptr;
  HWND content_ = nullptr;
  std::wstring caption_;
  int toggle_command_ = 0;
  bool visible_ = true;
};

}  // namespace zelo
