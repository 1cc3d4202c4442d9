// The main window: owns the workspace (the eight script slots) and shows the
// current script in the step grid with its tabs, the menus, toolbar and
// status bar, and the docked palettes. Every command of the command table
// ends in one of its CommandTarget handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/win32_owners_win.h"
#include "model/workspace.h"
#include "ui/command_ids.h"
#include "ui/commands/command_table.h"
#include "ui/grid/step_grid_win.h"
#include "ui/main/dock_win.h"
#include "ui/main/status_bar_win.h"
#include "ui/main_run_win.h"
#include "ui/palettes/actions_palette_win.h"
#include "ui/palettes/variables_palette_win.h"
#include "ui/properties/properties_palette_win.h"
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
// The five-second timer: the clock and the Variables palette.
inline constexpr UINT_PTR kFiveSecondTimerId = 3;

class MainWindow : public CommandTarget {
 public:
  MainWindow();
  // Creates the window at the placement; a hidden window is never shown
  // (a hidden command-line run), otherwise it is shown with `show`.
  bool Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show);
  // What a shown editor does once at start: the splash (unless a run was
  // asked for on the command line), the file association on the very first
  // start, the automatic update check.
  void StartEditor(bool command_line_run);
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
  void SetUndoState(bool enabled, std::string_view menu_text);
  void ClearPropertySheet();
  void ShowProgress(bool visible);
  void SetProgress(int percent);
  // Menus in the running state (Pause enabled, the editing commands and the
  // Run commands disabled) or the editing state.
  void SetRunningState(bool running);
  std::vector<int> SelectedRows() const;

  // The commands (CommandTarget).
  void FileNew(int) override;
  void FileOpen(int) override;
  void OpenRecent(int number) override;
  void FileClose(int) override;
  void FileSave(int) override;
  void FileSaveAs(int) override;
  void FileSaveAll(int) override;
  void NotInThisBuild(int command) override;
  void CustomTags(int) override;
  void FileProperties(int) override;
  void Exit(int) override;
  void Undo(int) override;
  void Cut(int) override;
  void Copy(int) override;
  void Paste(int) override;
  void Delete(int) override;
  void SelectAll(int) override;
  void Find(int how) override;
  void NextBookmark(int) override;
  void ToggleBookmark(int) override;
  void RemoveBookmarks(int) override;
  void GoToStep(int) override;
  void Run(int how) override;
  void Pause(int force) override;
  void KeepOnTop(int) override;
  void TogglePane(int pane) override;
  void ExpandTree(int expand) override;
  void ResetUi(int) override;
  void StepNew(int) override;
  void EditProperties(int) override;
  void ViewXml(int) override;
  void MoveStep(int direction) override;
  void Indent(int delta) override;
  void AutoIndent(int) override;
  void ToggleMark(int breakpoint) override;
  void RemoveMarks(int breakpoints) override;
  void AddComment(int) override;
  void OpenLogfile(int) override;
  void WindowList(int kind) override;
  void Options(int) override;
  void CloseAll(int) override;
  void SelectWindow(int number) override;
  void Help(int) override;
  void Shortcuts(int) override;
  void StartupOptions(int) override;
  void CheckUpdates(int) override;
  void About(int) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  bool CreateChildren();
  bool CreatePanes();
  void Layout();
  void OnCommand(int command);
  LRESULT OnNotify(NMHDR* hdr);
  void OnInitMenuPopup(HMENU menu);
  void OnContextMenu(HWND from, POINT screen);
  void OnClose();
  void StoreWindowState();
  // A key the focused text box should get rather than the grid.
  bool KeyBelongsToTextBox(const MSG& msg) const;
  bool Running();
  void ShowPane(int pane, bool visible);
  bool PaneVisible(int pane) const;
  void SetOnTop(bool on);
  // Splitter dragging between the panes.
  int SplitterAt(POINT client) const;
  // The save used by Close, Close All and Exit.
  bool SaveForClose(int slot);
  std::string AskSaveName(std::string_view current);
  // After the current script changed under the grid (tab switch, open, close).
  void ShowCurrentScript();

  HWND hwnd_ = nullptr;
  DWORD thread_id_ = 0;
  bool hidden_ = false;
  StatusBar status_;
  HWND tabs_ = nullptr;
  StepGrid grid_;
  HWND output_ = nullptr;
  HWND toolbar_ = nullptr;
  std::array<DockPane, PANE_COUNT> docks_;  // the status bar's entry stays unused
  bool statusbar_visible_ = true;
  bool on_top_ = false;
  bool running_ = false;
  // Pane sizes, changed by dragging the gaps between them.
  int left_width_ = 220, right_width_ = 280, bottom_height_ = 150, variables_width_ = 320;
  int dragging_ = 0;  // the splitter being dragged (SplitterAt), 0 none
  AcceleratorTable accelerators_;
  OwnedImageList toolbar_images_;
  OwnedImageList row_images_;
  GdiObject<HFONT> output_font_;
  RunDisplay run_display_;
  WinEditorSeam seam_;
  Workspace workspace_;
  PropertiesPalette properties_;  // after the workspace: they edit its slots
  ActionsPalette actions_;
  VariablesPalette variables_;
  MainRun run_;  // after the workspace: its run thread uses the slots
  bool closing_ = false;
  std::wstring tooltip_;  // keeps the text handed to a tooltip alive
};

}  // namespace zelo
