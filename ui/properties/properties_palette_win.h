// The Properties palette: a two-column grid (label, value) that edits the
// fields of the selected step of the current script. The main window docks
// it, tells it which step is selected and when a run starts or ends; every
// edit goes through the script's editing operations with undo, and the main
// window learns of it through the workspace's editor seam (RefreshList,
// ShowSlotState).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "model/workspace.h"

namespace zelo {

class PropertiesPalette {
 public:
  explicit PropertiesPalette(Workspace& ws);
  ~PropertiesPalette();
  PropertiesPalette(const PropertiesPalette&) = delete;
  PropertiesPalette& operator=(const PropertiesPalette&) = delete;

  // Creates the palette as a child of parent (hidden until the parent shows
  // and sizes it with MoveWindow). False when the window cannot be made.
  bool Create(HWND parent);
  HWND hwnd() const;

  // Rebuilds the rows for a step of the current script; -1 (or a row that
  // is not a step) clears them. An open editor is closed and its text kept.
  void ShowStep(int step);
  // Re-reads the shown step's fields (after undo, paste, a run's results).
  void Refresh();
  // While a run is active the rows are shown but cannot be edited.
  void SetRunning(bool running);
  // "Reset User Interface": the row height goes back to font height + 6.
  void ResetRowHeight();
  // True while one of the palette's editors has the keyboard: the main
  // window then leaves editing keys (Del, Ctrl+C, Ctrl+Z...) to it.
  bool EditorHasFocus() const;
  // The help-file page of the shown step's category ("::/action_run.htm"),
  // empty when no step is shown.
  std::string HelpTopic() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zelo
