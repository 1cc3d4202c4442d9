// The main window: owns the workspace (the eight script slots) and shows it.
#pragma once

#include <windows.h>

#include "model/workspace.h"

namespace zelo {

inline constexpr wchar_t kMainWindowClass[] = L"Zelomat";

class MainWindow {
 public:
  bool Create(HINSTANCE instance, int show);
  int RunMessageLoop();
  Workspace& workspace() { return workspace_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  Workspace workspace_;
};

}  // namespace zelo
