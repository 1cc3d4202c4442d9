// The main window: owns the workspace (the eight script slots) and shows the
// current script in a grid with tabs, a status bar and the Output palette.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/workspace.h"
#include "ui/win_editor_seam_win.h"
#include "ui/window_placement.h"

namespace zelo {

inline constexpr wchar_t kMainWindowClass[] = L"Zelomat";

// Menu and accelerator command ids.
enum Command : int {
  CMD_NEW = 100,
  CMD_OPEN,
  CMD_SAVE,
  CMD_SAVE_AS,
  CMD_CLOSE,
  CMD_EXIT,
  CMD_RUN = 200,
  CMD_RUN_FROM_HERE,
  CMD_RUN_SINGLE_STEP,
  CMD_PAUSE,
  CMD_PAUSE_FORCE,  // the second stage of Pause, sent by the main window to itself
};

class MainWindow {
 public:
  MainWindow();
  // Creates the window at the placement; a hidden window is never shown
  // (a hidden command-line run), otherwise it is shown with `show`.
  bool Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show);
  int RunMessageLoop();
  HWND hwnd() const { return hwnd_; }
  Workspace& workspace() { return workspace_; }

  // Called through the editor seam.
  void SetStatusText(std::string_view text);
  void SetTitle(std::string_view title);
  void AddTab(int slot, std::string_view text);
  void SetTabText(int slot, std::string_view text);
  void RemoveTab(int slot);
  void SelectTab(int slot);
  void SelectRows(const std::vector<int>& rows);
  void RefreshList();
  void AppendOutput(std::string_view text);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool CreateChildren();
  void Layout();
  void OnGetDispInfo(NMLVDISPINFOW* info);
  std::vector<int> SelectedRows() const;

  HWND hwnd_ = nullptr;
  HWND status_ = nullptr;
  HWND tabs_ = nullptr;
  HWND list_ = nullptr;
  HWND output_ = nullptr;
  HACCEL accelerators_ = nullptr;
  WinEditorSeam seam_;
  Workspace workspace_;
  std::wstring cell_;  // keeps the text handed to the list view alive
};

}  // namespace zelo
