// What the step grid shows for a step: the text of each of its six cells and
// the look of its row. Plain functions over the step, so a grid of fifty
// thousand rows asks only for the rows on screen and keeps nothing per row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/step_record.h"

namespace zelo {

enum GridColumn : int { COL_STEP, COL_ACTION, COL_TEXT, COL_TIMEOUT, COL_OPTIONS, COL_COMMENT, GRID_COLUMNS };

struct GridColumnInfo {
  const char* title;
  int default_width;
};
const GridColumnInfo& GridColumnAt(int column);

// A cell is never longer than this (the grid's own buffer).
inline constexpr std::size_t kCellMax = 126;

struct GridLook {
  int indent_size = 6;         // blanks per indent, at most 31
  bool indent_all_columns = false;
};
GridLook ReadGridLook();

// The text of a cell of the step shown in the row (0-based), cut to kCellMax.
std::string CellText(const StepRecord& step, int row, int column, const GridLook& look);

// Which mark picture a row shows: the first of skip, breakpoint, bookmark.
enum class RowMark { None, Skip, Breakpoint, Bookmark };
RowMark RowMarkOf(const StepRecord& step);

// Colours are 0x00BBGGRR; kDefaultColour leaves the grid's own colour.
inline constexpr uint32_t kDefaultColour = 0xFFFFFFFFu;
struct RowColours {
  uint32_t fill = kDefaultColour;
  uint32_t text = kDefaultColour;
  bool italic = false;
};
// The colour settings as read once when the grid is (re)drawn after Options.
struct GridColourSettings {
  uint32_t comment_fill = 0xC0FFFF, comment_text = 0x00A000;
  bool comment_italic = true;
  uint32_t skip_fill = 0xF0F0F0, skip_text = 0x808080;
  bool skip_italic = false;
  uint32_t break_fill = 0x463A96, break_text = 0xFFFFFF;
  uint32_t label_text = 0x008080;
  int grid_style = 2;
  uint32_t alt_fill = 0xFFF0F0;
};
GridColourSettings ReadGridColourSettings();
// Skipped rows before breakpoint rows before comment rows; "Label" steps (the
// targets of failure jumps) in the failure-label colour; with grid style 1
// every other row takes the alternate fill.
RowColours RowColoursOf(const StepRecord& step, int row, const GridColourSettings& colours);

}  // namespace zelo
