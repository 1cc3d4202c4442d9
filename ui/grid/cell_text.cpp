#include "ui/grid/cell_text.h"

#include "base/text.h"
#include "model/catalogue.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

constexpr GridColumnInfo kColumns[GRID_COLUMNS] = {
    {"Step", 50}, {"Action", 120}, {"Command Text", 240}, {"Timeout", 60}, {"Options", 100}, {"Comment", 200},
};

// Builds a cell without ever holding more than kCellMax characters, however
// long the field (a 100,000-character text costs no more than a short one).
class Cell {
 public:
  Cell() { text_.reserve(kCellMax); }
  void Blanks(std::size_t n) { text_.append(Room(n), ' '); }
  // Control characters become blanks: a row is one line.
  void Text(std::string_view t) {
    t = t.substr(0, Room(t.size()));
    for (char c : t) text_ += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  }
  // Only CR and LF become blanks (a comment's own line breaks).
  void Comment(std::string_view t) {
    t = t.substr(0, Room(t.size()));
    for (char c : t) text_ += c == '\r' || c == '\n' ? ' ' : c;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::size_t Room(std::size_t want) const {
    const std::size_t room = kCellMax - text_.size();
    return want < room ? want : room;
  }
  std::string text_;
};

void Indent(Cell& cell, const StepRecord& step, const GridLook& look) {
  const int size = look.indent_size < 0 ? 0 : look.indent_size > 31 ? 31 : look.indent_size;
  const int indents = step.indents < 0 ? 0 : step.indents > 16 ? 16 : step.indents;
  cell.Blanks(static_cast<std::size_t>(size) * static_cast<std::size_t>(indents));
}

void CommandText(Cell& cell, const StepRecord& step) {
  if (step.category == CAT_SYSTEM && !step.output_value.empty()) {
    const char* tail = ContainsNoCase(step.action.view(), "Set Var") ? " = "
                       : ContainsNoCase(step.action.view(), "Increm") ? "++"
                       : ContainsNoCase(step.action.view(), "Decrem") ? "--"
                                                                      : nullptr;
    if (tail) {
      cell.Text(step.output_value.view());
      cell.Text(tail);
      if (tail[0] == ' ') cell.Text(step.text.view());
      return;
    }
  }
  if (!step.text.empty())
    cell.Text(step.text.view());
  else if (step.category == CAT_FILES)
    cell.Text(step.value(1).view());
}

}  // namespace

const GridColumnInfo& GridColumnAt(int column) {
  return kColumns[column >= 0 && column < GRID_COLUMNS ? column : 0];
}

GridLook ReadGridLook() {
  GridLook look;
  look.indent_size = ReadSetting(setting::kGridIndentSize);
  look.indent_all_columns = ReadSetting(setting::kGridIndentAllColumns) != 0;
  return look;
}

std::string CellText(const StepRecord& step, int row, int column, const GridLook& look) {
  Cell cell;
  if (column != COL_COMMENT || !step.comment.empty()) {
    if (column == COL_STEP) cell.Blanks(2);
    if (column == COL_ACTION || look.indent_all_columns) Indent(cell, step, look);
  }
  switch (column) {
    case COL_STEP: cell.Text(std::to_string(row + 1)); break;
    case COL_ACTION: cell.Text(step.action.view()); break;
    case COL_TEXT: CommandText(cell, step); break;
    case COL_TIMEOUT: cell.Text(step.timeout.view()); break;
    case COL_OPTIONS: cell.Text(step.options.view()); break;
    case COL_COMMENT: cell.Comment(step.comment.view()); break;
    default: break;
  }
  return cell.Take();
}

RowMark RowMarkOf(const StepRecord& step) {
  if (step.status & STEP_SKIP) return RowMark::Skip;
  if (step.status & STEP_BREAKPOINT) return RowMark::Breakpoint;
  if (step.status & STEP_BOOKMARK) return RowMark::Bookmark;
  return RowMark::None;
}

GridColourSettings ReadGridColourSettings() {
  GridColourSettings c;
  auto colour = [](const char* name, uint32_t* out) {
    const std::string path = std::string("SOFTWARE\\Zelomat\\") + name;
    if (SettingExists(path)) *out = static_cast<uint32_t>(ReadSetting(path));
  };
  colour("Colors\\CommentFill", &c.comment_fill);
  colour("Colors\\CommentText", &c.comment_text);
  colour("Colors\\SkipFill", &c.skip_fill);
  colour("Colors\\SkipText", &c.skip_text);
  colour("Colors\\BreakFill", &c.break_fill);
  colour("Colors\\BreakText", &c.break_text);
  colour("Colors\\OnFailureLables", &c.label_text);
  colour("Palettes\\MainList\\GridStyle_AltColor", &c.alt_fill);
  uint32_t italic = c.comment_italic, skip_italic = c.skip_italic, style = static_cast<uint32_t>(c.grid_style);
  colour("Colors\\CommentItalic", &italic);
  colour("Colors\\SkipItalic", &skip_italic);
  colour("Palettes\\MainList\\GridStyle", &style);
  c.comment_italic = italic != 0;
  c.skip_italic = skip_italic != 0;
  c.grid_style = static_cast<int>(style);
  return c;
}

RowColours RowColoursOf(const StepRecord& step, int row, const GridColourSettings& c) {
  RowColours look;
  if (c.grid_style == 1 && row % 2 == 1) look.fill = c.alt_fill;
  if (step.status & STEP_SKIP) return {c.skip_fill, c.skip_text, c.skip_italic};
  if (step.status & STEP_BREAKPOINT) return {c.break_fill, c.break_text, false};
  if (EqualsNoCase(step.action.view(), "Comment")) return {c.comment_fill, c.comment_text, c.comment_italic};
  if (EqualsNoCase(step.action.view(), "Label")) look.text = c.label_text;
  return look;
}

}  // namespace zelo
