// The Actions palette: the catalogue as a tree of category folders with the
// user's favourites on top. A double-click (or a drag onto the grid, or its
// menu) inserts the action as a new step with its defaults, placed by the
// selection and "InsertNewStep"; folder states are kept in the settings.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "model/workspace.h"

namespace zelo {

class ActionsPalette {
 public:
  // selected_rows gives the grid's selected rows at the moment of an insert.
  ActionsPalette(Workspace& ws, std::function<std::vector<int>()> selected_rows);
  ~ActionsPalette();
  ActionsPalette(const ActionsPalette&) = delete;
  ActionsPalette& operator=(const ActionsPalette&) = delete;

  bool Create(HWND parent);
  HWND hwnd() const;

  // "Collapse Actions Tree" / "Expand Actions Tree".
  void SetAllExpanded(bool expanded);
  // Stores every folder's open state (the main window calls it on close).
  void SaveFolderStates();
  // The Step menu's "New": a hint beside the tree for a few milliseconds.
  void ShowHint(std::string_view text, unsigned milliseconds);
  // No inserts while a run is active.
  void SetRunning(bool running);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zelo
