#include "ui/palettes/actions_palette_win.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "actions/programs/registered_programs_win.h"
#include "base/ansi_text_win.h"
#include "base/text.h"
#include "base/win32_owners_win.h"
#include "model/action_tree.h"
#include "model/catalogue.h"
#include "model/favorites.h"
#include "model/insert_action.h"
#include "ui/dialogs/help_file_win.h"
#include "ui/dialogs/timed_popup_win.h"
#include "ui/palettes/action_icons_win.h"

namespace zelo {

namespace {

constexpr wchar_t kActionsClass[] = L"ZeloActions";
constexpr wchar_t kVariablesPaletteClass[] = L"ZeloVariables";
constexpr int kTreeId = 1;

enum MenuCommand : UINT {
  kAddFavorite = 1,
  kRemoveFavorite,
  kRemoveAllFavorites,
  kCopyName,
  kExpandAll,
  kCollapseAll,
  kHelp,
  kAddToEnd,
};

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

}  // namespace

struct ActionsPalette::Impl {
  Workspace& ws;
  std::function<std::vector<int>()> selected_rows;
  HWND hwnd = nullptr;
  HWND tree = nullptr;
  ActionImages images;
  // Every tree item's entry; an item's lParam is its index here.
  std::vector<ActionTreeItem> items;
  std::vector<HTREEITEM> folders;
  bool running = false;
  int drag_item = -1;  // the leaf being dragged, -1 when no drag is on

  Impl(Workspace& w, std::function<std::vector<int>()> rows) : ws(w), selected_rows(std::move(rows)) {}

  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Fill();
  void Rebuild();
  void SaveStates();
  void SetAll(bool expanded);
  int ItemIndex(HTREEITEM item) const;
  int ItemAt(POINT screen) const;
  const ActionTreeItem* Leaf(int index) const;
  void Insert(int index, const std::vector<int>& selection, InsertPlace place);
  void ShowMenu(POINT screen);
  void Drop(POINT screen, int index);
  static bool Register();
  int HelpCategory(int index) const;
};

bool ActionsPalette::Impl::Register() {
  static const bool registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ActionsPalette::Impl::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kActionsClass;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

ActionsPalette::ActionsPalette(Workspace& ws, std::function<std::vector<int>()> selected_rows)
    : impl_(std::make_unique<Impl>(ws, std::move(selected_rows))) {}

ActionsPalette::~ActionsPalette() {
  // The window outlives nothing it points to: it goes first.
  if (impl_->hwnd) {
    SetWindowLongPtrW(impl_->hwnd, GWLP_USERDATA, 0);
    DestroyWindow(impl_->hwnd);
  }
}

bool ActionsPalette::Create(HWND parent) {
  if (!Impl::Register()) return false;
  impl_->hwnd = CreateWindowExW(0, kActionsClass, L"Actions", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 200, 300,
                                parent, nullptr, GetModuleHandleW(nullptr), impl_.get());
  if (!impl_->hwnd) return false;
  impl_->tree = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                    TVS_SHOWSELALWAYS,
                                0, 0, 200, 300, impl_->hwnd, reinterpret_cast<HMENU>(kTreeId),
                                GetModuleHandleW(nullptr), nullptr);
  if (!impl_->tree) return false;
  impl_->images = CreateActionImages();
  if (impl_->images.list) TreeView_SetImageList(impl_->tree, impl_->images.list.get(), TVSIL_NORMAL);
  impl_->Fill();
  return true;
}

HWND ActionsPalette::hwnd() const { return impl_->hwnd; }
void ActionsPalette::SetAllExpanded(bool expanded) { impl_->SetAll(expanded); }
void ActionsPalette::SaveFolderStates() { impl_->SaveStates(); }
void ActionsPalette::SetRunning(bool running) { impl_->running = running; }

void ActionsPalette::ShowHint(std::string_view text, unsigned milliseconds) {
  RECT r;
  if (!impl_->hwnd || !GetWindowRect(impl_->hwnd, &r)) return;
  // Beside the tree, over the grid it speaks of.
  ShowTimedPopup(impl_->hwnd, PopupLook::Hint, text, POINT{r.right + 4, r.top + 24}, milliseconds);
}

LRESULT CALLBACK ActionsPalette::Impl::Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(w, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<Impl*>(GetWindowLongPtrW(w, GWLP_USERDATA));
  if (!self) return DefWindowProcW(w, msg, wp, lp);
  if (msg == WM_NCCREATE) self->hwnd = w;
  return self->Handle(msg, wp, lp);
}

LRESULT ActionsPalette::Impl::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  HWND window = hwnd;  // the handle is forgotten at WM_NCDESTROY, before the default handling
  switch (msg) {
    case WM_SIZE:
      if (tree) MoveWindow(tree, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (tree) SetFocus(tree);
      return 0;
    case WM_NOTIFY: {
      const auto* hdr = reinterpret_cast<const NMHDR*>(lp);
      if (hdr->hwndFrom != tree) break;
      POINT cursor;
      GetCursorPos(&cursor);
      switch (hdr->code) {
        case NM_DBLCLK: {
          const int index = ItemAt(cursor);
          if (!Leaf(index)) return 0;  // a folder opens and closes as trees do
          Insert(index, selected_rows(), InsertPlace::BySelection);
          return 1;
        }
        case NM_RCLICK:
          ShowMenu(cursor);
          return 1;
        case TVN_KEYDOWN:
          if (reinterpret_cast<const NMTVKEYDOWN*>(lp)->wVKey == VK_RETURN) {
            const int index = ItemIndex(TreeView_GetSelection(tree));
            if (Leaf(index)) Insert(index, selected_rows(), InsertPlace::BySelection);
          }
          return 0;
        case TVN_BEGINDRAGW: {
          const int index = ItemIndex(reinterpret_cast<const NMTREEVIEWW*>(lp)->itemNew.hItem);
          if (!Leaf(index) || running) return 0;
          drag_item = index;
          SetCapture(hwnd);
          return 0;
        }
        default:
          break;
      }
      break;
    }
    case WM_MOUSEMOVE:
      if (drag_item >= 0) {
        POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ClientToScreen(hwnd, &p);
        HWND target = WindowFromPoint(p);
        const bool over_grid = target && ClassOf(target) == WC_LISTVIEWW;
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(over_grid ? 32512 : 32648)));  // IDC_ARROW / IDC_NO
      }
      return 0;
    case WM_LBUTTONUP:
      if (drag_item >= 0) {
        POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        ClientToScreen(hwnd, &p);
        const int index = drag_item;
        ReleaseCapture();  // ends the drag through WM_CAPTURECHANGED
        Drop(p, index);
      }
      return 0;
    case WM_CAPTURECHANGED:
      drag_item = -1;
      return 0;
    case WM_NCDESTROY:  // with the main window: nothing is left to destroy later
      hwnd = nullptr;
      tree = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, msg, wp, lp);
}

void ActionsPalette::Impl::Fill() {
  items = BuildActionTree();
  folders.clear();
  SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(tree);
  HTREEITEM folder = TVI_ROOT;
  std::vector<std::pair<HTREEITEM, bool>> to_open;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ActionTreeItem& item = items[i];
    std::wstring name = AnsiToWide(item.name);
    TVINSERTSTRUCTW insert = {};
    insert.hParent = item.folder ? TVI_ROOT : folder;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = name.data();
    insert.item.lParam = static_cast<LPARAM>(i);
    const int image = item.folder ? images.folder : item.icon >= 0 && item.icon < images.folder ? item.icon : images.blank;
    insert.item.iImage = insert.item.iSelectedImage = image;
    HTREEITEM h = TreeView_InsertItem(tree, &insert);
    if (item.folder) {
      folder = h;
      folders.push_back(h);
      if (item.expanded) to_open.push_back({h, true});
    }
  }
  // Folders open once their leaves are in.
  for (const auto& f : to_open) TreeView_Expand(tree, f.first, TVE_EXPAND);
  SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree, nullptr, TRUE);
}

void ActionsPalette::Impl::Rebuild() {
  SaveStates();  // a rebuilt tree opens the folders the user had open
  Fill();
}

void ActionsPalette::Impl::SaveStates() {
  if (!tree) return;  // a tree already gone would read as all folders closed
  for (HTREEITEM f : folders) {
    const int index = ItemIndex(f);
    if (index < 0) continue;
    const bool open = (TreeView_GetItemState(tree, f, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    SetFolderExpanded(items[static_cast<std::size_t>(index)].category - kFolderItemBase, open);
  }
}

void ActionsPalette::Impl::SetAll(bool expanded) {
  for (HTREEITEM f : folders) TreeView_Expand(tree, f, expanded ? TVE_EXPAND : TVE_COLLAPSE);
  SetAllFoldersExpanded(expanded);
}

int ActionsPalette::Impl::ItemIndex(HTREEITEM item) const {
  if (!item) return -1;
  TVITEMW tv = {};
  tv.mask = TVIF_PARAM;
  tv.hItem = item;
  if (!TreeView_GetItem(tree, &tv) || tv.lParam < 0 || static_cast<std::size_t>(tv.lParam) >= items.size()) return -1;
  return static_cast<int>(tv.lParam);
}

int ActionsPalette::Impl::ItemAt(POINT screen) const {
  TVHITTESTINFO hit = {};
  hit.pt = screen;
  ScreenToClient(tree, &hit.pt);
  HTREEITEM item = TreeView_HitTest(tree, &hit);
  return (hit.flags & TVHT_ONITEM) ? ItemIndex(item) : -1;
}

const ActionTreeItem* ActionsPalette::Impl::Leaf(int index) const {
  if (index < 0) return nullptr;
  const ActionTreeItem& item = items[static_cast<std::size_t>(index)];
  // The favourites placeholder has no category: it is no action.
  return item.folder || item.category < 1 ? nullptr : &item;
}

void ActionsPalette::Impl::Insert(int index, const std::vector<int>& selection, InsertPlace place) {
  const ActionTreeItem* leaf = Leaf(index);
  // Steps are not changed under a running script.
  if (!leaf || running) {
    MessageBeep(MB_OK);
    return;
  }
  const SystemRegisteredPrograms programs;
  if (InsertAction(ws, GetTickCount(), selection, *leaf, place, programs) == 0) MessageBeep(MB_OK);
}

int ActionsPalette::Impl::HelpCategory(int index) const {
  // A leaf's help is its folder's page (the Internet folder lists two
  // program steps); a favourite's is its own category's.
  for (int i = index; i >= 0; --i) {
    const ActionTreeItem& item = items[static_cast<std::size_t>(i)];
    if (!item.folder) continue;
    const int folder = item.category - kFolderItemBase;
    return folder == kFavoritesCategory && i != index ? items[static_cast<std::size_t>(index)].category : folder;
  }
  return kFavoritesCategory;
}

void ActionsPalette::Impl::ShowMenu(POINT screen) {
  const int index = ItemAt(screen);
  if (index >= 0) {
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tree, &hit.pt);
    TreeView_SelectItem(tree, TreeView_HitTest(tree, &hit));
  }
  const ActionTreeItem* leaf = Leaf(index);
  bool favorite = false;
  if (leaf)
    for (const Favorite& f : ReadFavorites()) favorite = favorite || EqualsNoCase(f.name, leaf->name);
  const OwnedMenu menu(CreatePopupMenu());
  if (!menu) return;
  const UINT on_leaf = leaf ? MF_ENABLED : MF_GRAYED;
  AppendMenuW(menu.get(), MF_STRING | (leaf && !favorite ? MF_ENABLED : MF_GRAYED), kAddFavorite, L"Add to Favorites");
  AppendMenuW(menu.get(), MF_STRING | (favorite ? MF_ENABLED : MF_GRAYED), kRemoveFavorite, L"Remove from Favorites");
  AppendMenuW(menu.get(), MF_STRING, kRemoveAllFavorites, L"Remove All Favorites");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING | on_leaf, kCopyName, L"Copy Name to Clipboard");
  AppendMenuW(menu.get(), MF_STRING | (leaf && !running ? MF_ENABLED : MF_GRAYED), kAddToEnd, L"Add to End");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, kExpandAll, L"Expand All Actions +");
  AppendMenuW(menu.get(), MF_STRING, kCollapseAll, L"Collapse All Actions -");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING | (index >= 0 ? MF_ENABLED : MF_GRAYED), kHelp,
              L"Help: What does this action do?");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd, nullptr));
  switch (chosen) {
    case kAddFavorite:
      if (AddFavorite(ws.seam(), *leaf)) Rebuild();
      break;
    case kRemoveFavorite:
      if (RemoveFavorite(leaf->name)) Rebuild();
      break;
    case kRemoveAllFavorites:
      if (RemoveAllFavorites(ws.seam())) Rebuild();
      break;
    case kCopyName: CopyActionName(ws.seam(), leaf->name); break;
    case kAddToEnd: Insert(index, {}, InsertPlace::AtEnd); break;
    case kExpandAll: SetAll(true); break;
    case kCollapseAll: SetAll(false); break;
    case kHelp: {
      const CategoryInfo* category = FindCategory(HelpCategory(index));
      OpenHelpTopic(hwnd, category && category->help_topic ? category->help_topic : "");
      break;
    }
    default: break;
  }
}

void ActionsPalette::Impl::Drop(POINT screen, int index) {
  HWND target = WindowFromPoint(screen);
  // The grid: a list view of this main window that is not the Variables
  // palette's list.
  if (!target || ClassOf(target) != WC_LISTVIEWW || GetAncestor(target, GA_ROOT) != GetAncestor(hwnd, GA_ROOT) ||
      ClassOf(GetParent(target)) == kVariablesPaletteClass)
    return;
  LVHITTESTINFO hit = {};
  hit.pt = screen;
  ScreenToClient(target, &hit.pt);
  const int row = ListView_HitTest(target, &hit);
  // Below the last row the step goes to the end.
  if (row >= 0)
    Insert(index, {row}, InsertPlace::BySelection);
  else
    Insert(index, {}, InsertPlace::AtEnd);
}

}  // namespace zelo
