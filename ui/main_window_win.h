// The main window: owns the workspace (the eight script slots) and shows the
// current script in a grid with tabs, a status bar and the Output palette.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/win32_owners_win.h"
#include "model/workspace.h"
#include "ui/command_ids.h"
#include "ui/main_run_win.h"
#include "ui/run_display.h"
#include "ui/win_editor_seam_win.h"
#include "ui/window_placement.h"

namespace zelo {

inline constexpr wchar_t kMainWindowClass[] = L"Zelomat";

// The timer after which the first press of Pause offers the forced stop.
inline constexpr UINT_PTR kStopTimerId = 1;
// The timer that shows what a run left in the run display, about thirty
// times a second: the pace of the screen, not of the run.
inline constexpr UINT_PTR kRunDisplayTimerId = 2;
inline constexpr UINT kRunDisplayMs = 33;

class MainWindow {
 public:
  MainWindow();
  ~MainWindow();
  // Creates the window at the placement; a hidden window is never shown
  // (a hidden command-line run), otherwise it is shown with `show`.
  bool Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show);
  int RunMessageLoop();
  HWND hwnd() const { return hwnd_; }
  Workspace& workspace() { return workspace_; }
  WinEditorSeam& seam() { return seam_; }
  RunEngine& run() { return run_.engine(); }

  // Runs fn on the window's thread and waits for it: directly on that thread,
  // through a sent message from others. False (fn not run) once the window
  // is gone.
  bool OnMainThread(const std::function<void()>& fn);
  bool OnWindowThread() const { return GetCurrentThreadId() == thread_id_; }

  // Where a run leaves its lines, status texts and current step; shown by
  // ShowRunDisplay on the window's thread.
  RunDisplay& run_display() { return run_display_; }
  void ShowRunDisplay();

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
  void SetStatusPart(int part, std::string_view text);
  // Menus in the running state (Pause enabled, the editing commands and the
  // Run commands disabled) or the editing state.
  void SetRunningState(bool running);
  std::vector<int> SelectedRows() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool CreateChildren();
  void Layout();
  void OnGetDispInfo(NMLVDISPINFOW* info);
  bool OnCommand(int command);
  void OnClose();

  HWND hwnd_ = nullptr;
  DWORD thread_id_ = 0;
  HWND status_ = nullptr;
  HWND tabs_ = nullptr;
  HWND list_ = nullptr;
  HWND output_ = nullptr;
  AcceleratorTable accelerators_;
  RunDisplay run_display_;
  WinEditorSeam seam_;
  Workspace workspace_;
  MainRun run_;  // after the workspace: its run thread uses the slots
  bool closing_ = false;
  std::wstring cell_;  // keeps the text handed to the list view alive
  // --- dialogs hosting (temporary, until the new main window lands) ---
  std::unique_ptr<struct DialogsHosting> dialogs_;
  // --- end of dialogs hosting ---
};

}  // namespace zelo
