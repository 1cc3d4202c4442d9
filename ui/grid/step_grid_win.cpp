#include "ui/grid/step_grid_win.h"

#include <algorithm>

#include "base/ansi_text_win.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/command_ids.h"
#include "ui/main/glyphs_win.h"

namespace zelo {

namespace {

std::string ColumnSetting(int column) { return SettingPath(setting::kGridColumnPattern, column + 1); }
std::string OrderSetting(int position) {
  return SettingPath(setting::kGridColumnOrderPattern, position + 1);
}

int RowPicture(const StepRecord& s) {
  switch (RowMarkOf(s)) {
    case RowMark::Skip: return ROW_IMAGE_SKIP;
    case RowMark::Breakpoint: return ROW_IMAGE_BREAKPOINT;
    case RowMark::Bookmark: return ROW_IMAGE_BOOKMARK;
    case RowMark::None: break;
  }
  return s.category >= 1 && s.category <= kRowImageCategories ? ROW_IMAGE_CATEGORY_1 + s.category - 1 : I_IMAGENONE;
}

}  // namespace

bool StepGrid::Create(HWND parent, int id, HIMAGELIST row_images, Workspace* ws) {
  ws_ = ws;
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS |
                              LVS_SHAREIMAGELISTS,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  ListView_SetImageList(hwnd_, row_images, LVSIL_SMALL);
  for (int i = 0; i < GRID_COLUMNS; ++i) {
    std::wstring title = AnsiToWide(GridColumnAt(i).title);
    LVCOLUMNW c = {};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = title.data();
    c.cx = GridColumnAt(i).default_width;
    ListView_InsertColumn(hwnd_, i, &c);
  }
  ReloadLook();
  LoadColumns();
  return true;
}

void StepGrid::ReloadLook() {
  look_ = ReadGridLook();
  colours_ = ReadGridColourSettings();
  DWORD style = LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP | LVS_EX_DOUBLEBUFFER;
  if (colours_.grid_style == 2) style |= LVS_EX_GRIDLINES;
  ListView_SetExtendedListViewStyle(hwnd_, style);
  LOGFONTW lf = {};
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
  GetObjectW(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), sizeof lf, &lf);
  lf.lfItalic = TRUE;
  italic_.reset(CreateFontIndirectW(&lf));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void StepGrid::LoadColumns() {
  for (int i = 0; i < GRID_COLUMNS; ++i) {
    const int stored = ReadSetting(ColumnSetting(i));
    ListView_SetColumnWidth(hwnd_, i, stored > 0 ? stored : GridColumnAt(i).default_width);
  }
  // An order is used only when it names every column once.
  int order[GRID_COLUMNS];
  bool seen[GRID_COLUMNS] = {};
  for (int p = 0; p < GRID_COLUMNS; ++p) {
    if (!SettingExists(OrderSetting(p))) return;
    order[p] = ReadSetting(OrderSetting(p));
    if (order[p] < 0 || order[p] >= GRID_COLUMNS || seen[order[p]]) return;
    seen[order[p]] = true;
  }
  ListView_SetColumnOrderArray(hwnd_, GRID_COLUMNS, order);
}

void StepGrid::SaveColumns() const {
  for (int i = 0; i < GRID_COLUMNS; ++i)
    WriteSettingNumber(ColumnSetting(i), static_cast<uint32_t>(ListView_GetColumnWidth(hwnd_, i)));
  int order[GRID_COLUMNS];
  if (!ListView_GetColumnOrderArray(hwnd_, GRID_COLUMNS, order)) return;
  for (int p = 0; p < GRID_COLUMNS; ++p) WriteSettingNumber(OrderSetting(p), static_cast<uint32_t>(order[p]));
}

void StepGrid::ResetColumns() {
  int order[GRID_COLUMNS];
  for (int i = 0; i < GRID_COLUMNS; ++i) {
    ListView_SetColumnWidth(hwnd_, i, GridColumnAt(i).default_width);
    order[i] = i;
  }
  ListView_SetColumnOrderArray(hwnd_, GRID_COLUMNS, order);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void StepGrid::Refresh() {
  const int count = ws_->current_slot().step_count;
  if (ListView_GetItemCount(hwnd_) != count) ListView_SetItemCountEx(hwnd_, count, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void StepGrid::SelectRows(const std::vector<int>& rows) {
  const int count = ListView_GetItemCount(hwnd_);
  ListView_SetItemState(hwnd_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  int first = -1;
  for (int r : rows) {
    if (r < 0 || r >= count) continue;  // a row past the end selects nothing
    ListView_SetItemState(hwnd_, r, LVIS_SELECTED, LVIS_SELECTED);
    if (first < 0) first = r;
  }
  if (first >= 0) {
    ListView_SetItemState(hwnd_, first, LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd_, first, FALSE);
  }
}

std::vector<int> StepGrid::SelectedRows() const {
  std::vector<int> rows;
  for (int i = ListView_GetNextItem(hwnd_, -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(hwnd_, i, LVNI_SELECTED))
    rows.push_back(i);
  return rows;
}

void StepGrid::SelectAll() { ListView_SetItemState(hwnd_, -1, LVIS_SELECTED, LVIS_SELECTED); }

void StepGrid::OnGetDispInfo(NMLVDISPINFOW* info) {
  const ScriptSlot& slot = ws_->current_slot();
  const int row = info->item.iItem;
  if (row < 0 || row >= slot.step_count) return;
  const StepRecord& s = slot.steps[static_cast<size_t>(row)];
  if ((info->item.mask & LVIF_IMAGE) && info->item.iSubItem == 0) info->item.iImage = RowPicture(s);
  if (info->item.mask & LVIF_TEXT) {
    cell_ = AnsiToWide(CellText(s, row, info->item.iSubItem, look_));
    lstrcpynW(info->item.pszText, cell_.c_str(), info->item.cchTextMax);
  }
}

LRESULT StepGrid::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      const ScriptSlot& slot = ws_->current_slot();
      const int row = static_cast<int>(draw->nmcd.dwItemSpec);
      if (row < 0 || row >= slot.step_count) return CDRF_DODEFAULT;
      const RowColours c = RowColoursOf(slot.steps[static_cast<size_t>(row)], row, colours_);
      if (c.fill != kDefaultColour) draw->clrTextBk = c.fill;
      if (c.text != kDefaultColour) draw->clrText = c.text;
      if (c.italic && italic_) {
        SelectObject(draw->nmcd.hdc, italic_.get());
        return CDRF_NEWFONT;
      }
      return CDRF_DODEFAULT;
    }
    default: return CDRF_DODEFAULT;
  }
}

bool StepGrid::OnNotify(NMHDR* hdr, LRESULT* result) {
  if (hdr->hwndFrom != hwnd_) return false;
  *result = 0;
  switch (hdr->code) {
    case LVN_GETDISPINFOW: OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW*>(hdr)); return true;
    case NM_CUSTOMDRAW: *result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(hdr)); return true;
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(hdr);
      if (!((change->uOldState ^ change->uNewState) & LVIS_SELECTED)) return true;
      [[fallthrough]];
    }
    case LVN_ODSTATECHANGED:
      if (!selection_notice_pending_) {
        selection_notice_pending_ = true;
        PostMessageW(GetParent(hwnd_), kMsgGridSelectionSettled, 0, reinterpret_cast<LPARAM>(hwnd_));
      }
      return true;
    default: return false;
  }
}

void StepGrid::OnSelectionSettled() {
  selection_notice_pending_ = false;
  if (on_selection_changed) on_selection_changed();
}

int StepGrid::TrackRowMenu(HWND owner, POINT screen) {
  const std::vector<int> rows = SelectedRows();
  const ScriptSlot& slot = ws_->current_slot();
  const StepRecord* first = !rows.empty() && rows.front() < slot.step_count ? &slot.steps[static_cast<size_t>(rows.front())] : nullptr;
  if (screen.x == -1 && screen.y == -1) {  // from the keyboard: at the focused row
    RECT r = {};
    const int focus = ListView_GetNextItem(hwnd_, -1, LVNI_FOCUSED);
    if (focus >= 0) ListView_GetItemRect(hwnd_, focus, &r, LVIR_LABEL);
    screen = {r.left + 8, r.bottom};
    ClientToScreen(hwnd_, &screen);
  }
  OwnedMenu menu(CreatePopupMenu());
  if (!menu) return 0;
  const bool skip = first && (first->status & STEP_SKIP);
  const bool brk = first && (first->status & STEP_BREAKPOINT);
  const UINT on_step = first ? MF_STRING : MF_STRING | MF_GRAYED;
  struct Row {
    int id;
    const wchar_t* text;
    UINT flags;
  } items[] = {
      {CMD_STEP_NEW, L"New Step", MF_STRING},
      {CMD_EDIT_PROPERTIES, L"Properties", on_step},
      {CMD_VIEW_XML, L"View XML", on_step},
      {CMD_ADD_COMMENT, L"Add Comment", MF_STRING},
      {0, nullptr, MF_SEPARATOR},
      {CMD_RUN_FROM_HERE, L"Run From Here", on_step},
      {CMD_RUN_SINGLE_STEP, L"Run Single Step", on_step},
      {CMD_SKIP, skip ? L"Remove Skip" : L"Add Skip", on_step},
      {CMD_BREAKPOINT, brk ? L"Remove Breakpoint" : L"Add Breakpoint", on_step},
      {0, nullptr, MF_SEPARATOR},
      {CMD_INDENT, L"Increase Indent", on_step},
      {CMD_UNINDENT, L"Decrease Indent", on_step},
      {0, nullptr, MF_SEPARATOR},
      {CMD_COPY, L"Copy", on_step},
      {CMD_PASTE, L"Paste", MF_STRING},
      {CMD_DELETE, L"Delete", on_step},
  };
  for (const Row& r : items) AppendMenuW(menu.get(), r.flags, static_cast<UINT_PTR>(r.id), r.text);
  return static_cast<int>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
}

}  // namespace zelo
