// The step grid: a virtual list view over the current script's step array.
// Rows are never copied into the control: the texts, pictures and colours of
// the rows on screen are asked for as they are drawn, so fifty thousand
// steps cost no more than fifty.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "base/win32_owners_win.h"
#include "model/workspace.h"
#include "ui/grid/cell_text.h"

namespace zelo {

// Posted to the grid's parent (lParam: the grid) so that a burst of
// selection changes (Select All on fifty thousand rows) is one notice; the
// parent answers with OnSelectionSettled.
inline constexpr UINT kMsgGridSelectionSettled = WM_APP + 20;

class StepGrid {
 public:
  bool Create(HWND parent, int id, HIMAGELIST row_images, Workspace* ws);
  HWND hwnd() const { return hwnd_; }

  // Re-reads the indent, colour and grid-style settings (after Options).
  void ReloadLook();
  // The row count follows the current script; every row is drawn again.
  void Refresh();
  void SelectRows(const std::vector<int>& rows);
  std::vector<int> SelectedRows() const;
  void SelectAll();

  // Column widths and order from and to "Palettes\MainList\Column%d" and
  // "Column%d_order".
  void LoadColumns();
  void SaveColumns() const;
  // "Reset User Interface": default widths and order.
  void ResetColumns();

  // The list's notices (text and pictures of cells, custom drawing, selection
  // changes); true when handled, with *result set.
  bool OnNotify(NMHDR* hdr, LRESULT* result);
  // Called after the selection changed (once per burst of changes).
  std::function<void()> on_selection_changed;
  void OnSelectionSettled();

  // The row context menu at a screen point (a keyboard menu: at the focused
  // row). Returns the chosen command id, 0 for none.
  int TrackRowMenu(HWND owner, POINT screen);

 private:
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw);
  void OnGetDispInfo(NMLVDISPINFOW* info);

  HWND hwnd_ = nullptr;
  Workspace* ws_ = nullptr;
  GridLook look_;
  GridColourSettings colours_;
  GdiObject<HFONT> italic_;  // comment and skipped rows, when the settings ask
  std::wstring cell_;  // keeps the text handed to the list view alive
  bool selection_notice_pending_ = false;
};

}  // namespace zelo
