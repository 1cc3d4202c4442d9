// The inside of the Properties palette, shared by its window (grid,
// painting, input) and its in-place editors and tools.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"
#include "ui/properties/picking_tools_win.h"
#include "ui/properties/properties_palette_win.h"
#include "ui/properties/property_edit.h"
#include "ui/properties/property_rows.h"

namespace zelo {
namespace palette {

inline constexpr wchar_t kCtrlEnterHint[] = L"(Press Ctrl+Enter to close field)";
// Posted by an editor to close itself (wParam 1: keep the text, 0: cancel;
// lParam: the editor), so that the control is never destroyed inside its own
// message; a late one for an editor already closed is ignored.
inline constexpr UINT kMsgCloseEditor = WM_APP + 40;
inline constexpr int kEditorId = 100;
inline constexpr int kHelpLines = 4;
inline constexpr int kMultiLineRows = 7;  // height of the multi-line editor in rows

struct ToolInfo {
  uint32_t bit;
  const wchar_t* face;
  const wchar_t* tip;
  bool hold;  // pressed, held and released over the screen
};

// A tool button of a row as drawn.
struct ToolButton {
  int row;
  const ToolInfo* tool;
  RECT rc;
};

// Every edit is one undo group, stamped with the time it was made.
inline uint32_t CommandGroup() { return GetTickCount(); }

}  // namespace palette

using palette::ToolButton;
using palette::ToolInfo;
using palette::kHelpLines;

struct PropertiesPalette::Impl {
  explicit Impl(Workspace& w) : ws(w), editor(w) {}

  Workspace& ws;
  StepPropertyEditor editor;
  HWND hwnd = nullptr;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  GdiObject<HFONT> bold;
  int font_height = 13;
  int label_w = 120;
  int row_h = 19;
  int step = -1;
  int slot = -1;  // the script the shown step belongs to
  HWND minimized_for_pick = nullptr;  // the main window, while the window finder is held
  PropertySheet sheet;
  int focus = -1;  // the focused row
  int top = 0;     // the first row shown
  HWND tips = nullptr;
  MemoryDC measure_dc;
  std::vector<ToolButton> buttons;
  OwnedWindow preview;

  // The open editor.
  HWND edit = nullptr;
  int edit_row = -1;
  bool multi_line = false;
  bool list = false;

  // The tool button held down.
  const ToolInfo* pressed = nullptr;
  int pressed_row = -1;

  // Geometry.
  RECT Client() const {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return rc;
  }
  int HelpHeight() const { return kHelpLines * font_height + 10; }
  int GridBottom() const { return std::max(0, static_cast<int>(Client().bottom) - HelpHeight()); }
  int LabelWidth() const { return label_w; }
  // The label column fits the widest caption, up to a little over half the palette.
  void MeasureLabels() {
    int widest = 0;
    for (const PropertyRow& r : sheet.rows) widest = std::max(widest, TextWidth(AnsiToWide(r.label.view()).c_str()));
    label_w = std::clamp(widest + 10, 60, std::max(60, static_cast<int>(Client().right) * 55 / 100));
  }
  int VisibleRows() const { return std::max(1, GridBottom() / row_h); }
  RECT RowRect(int row) const {
    const RECT c = Client();
    const int y = (row - top) * row_h;
    return {0, y, c.right, y + row_h};
  }
  RECT ValueRect(int row) const {
    RECT r = RowRect(row);
    r.left = LabelWidth() + 1;
    return r;
  }
  int RowAt(int y) const {
    if (y < 0 || y >= GridBottom()) return -1;
    const int row = top + y / row_h;
    return row < static_cast<int>(sheet.rows.size()) ? row : -1;
  }
  const PropertyRow* Row(int row) const {
    if (row < 0 || row >= static_cast<int>(sheet.rows.size())) return nullptr;
    const PropertyRow& r = sheet.rows[static_cast<std::size_t>(row)];
    return r.kind == KIND_END ? nullptr : &r;
  }
  StepRecord* Step() { return editor.Step(step); }

  // Captions are measured in a DC of the palette's own that keeps the font
  // (a run selects a new step thirty times a second; a screen DC per
  // caption would cost a trip to the display each time). The stock font
  // needs no deselecting before the DC goes.
  int TextWidth(const wchar_t* text) {
    if (!measure_dc) {
      measure_dc.reset(CreateCompatibleDC(nullptr));
      if (!measure_dc) return 0;
      SelectObject(measure_dc.get(), font);
    }
    SIZE size = {};
    GetTextExtentPoint32W(measure_dc.get(), text, lstrlenW(text), &size);
    return size.cx;
  }
  // The right part of a value cell taken by the row's tool buttons.
  int ToolsWidth(int row) {
    int width = 0;
    for (const ToolButton& b : buttons)
      if (b.row == row) width += b.rc.right - b.rc.left;
    return width;
  }
  RECT AlternativeRect(int row) {
    const PropertyRow* r = Row(row);
    RECT v = ValueRect(row);
    v.right -= ToolsWidth(row);
    if (!r || !(r->tools & TOOL_ALTERNATIVE)) return {v.right, v.top, v.right, v.bottom};
    const int width = row_h + TextWidth(AnsiToWide(r->word.view()).c_str()) + 6;
    return {std::max<LONG>(v.left, v.right - width), v.top, v.right, v.bottom};
  }
  RECT EditorRect(int row) {
    RECT r = ValueRect(row);
    r.right = AlternativeRect(row).left;
    return r;
  }

  void Create(HWND parent);
  void Layout();
  void Rebuild(bool keep_focus);
  void ShowStep(int new_step);
  void Paint(HDC dc);
  void PaintRow(HDC dc, int row);
  void PaintHelp(HDC dc);
  void SetFocusRow(int row);
  void ScrollTo(int new_top);
  void UpdateScrollBar();
  void PlaceToolButtons();

  void OnButtonDown(POINT pt);
  void OnButtonUp(POINT pt);
  void OnKey(WPARAM key);
  void Toggle(int row);
  void ToggleAlternative(int row);
  void Record();

  void Subclass(HWND control);
  void OpenEditor(int row);
  void CloseEditor(bool keep);
  void Apply(int row, const std::string& text);
  void ShowRefusal(EditOutcome outcome);

  void UseTool(const ToolInfo& tool, int row, POINT screen);
  bool Capture(const std::string& current, std::string* file);

  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK EditorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace zelo
