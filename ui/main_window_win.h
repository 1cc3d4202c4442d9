// The main window: owns the workspace (the eight script slots) and shows it.
#pragma once

#include <windows.h>

#include "model/workspace.h"
#include "ui/window_placement.h"

namespace zelo {

inline constexpr wchar_t kMainWindowClass[] = L"Zelomat";

class MainWindow {
 public:
  // Creates the window at the placement; a hidden window is never shown
  // (a hidden command-line run), otherwise it is shown with `show`.
  bool Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show);
  int RunMessageLoop();
  Workspace& workspace() { return workspace_; }
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  Workspace workspace_;
};

}  // namespace zelo
