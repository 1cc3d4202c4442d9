// The Actions tree as a list of items in display order: the category folders
// in table order, each followed by its leaves. The Favorites folder lists the
// user's favourites from the settings. The window that shows the tree keeps
// each item's category number with it and hands the item back on insert.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/editor_seam.h"

namespace zelo {

// Folder items carry 100000 + their category number, so no folder is ever
// taken for an action (leaves have 1..99999).
inline constexpr int kFolderItemBase = 100000;
inline constexpr const char* kFavoritesPlaceholder = "(right-click any action to add)";

struct ActionTreeItem {
  bool folder = false;
  int category = 0;  // leaf: the category of the step it creates; folder: 100000 + category
  int icon = -1;     // leaf: image-list index; folders show the folder picture
  std::string name;
  bool expanded = false;  // folders: the stored open state
};

std::vector<ActionTreeItem> BuildActionTree();
// The leaf for a catalogue action; an item with category 0 when there is none.
ActionTreeItem CatalogueLeaf(std::string_view action);

// Stored open state of a category folder ("Palettes\Actions\tree_%d").
bool FolderExpanded(int category);
void SetFolderExpanded(int category, bool expanded);
// "Expand All Actions +" / "Collapse All Actions -".
void SetAllFoldersExpanded(bool expanded);

// "Copy Name to Clipboard".
bool CopyActionName(EditorSeam& seam, std::string_view name);

}  // namespace zelo
