#include "model/action_tree.h"

#include "model/catalogue.h"
#include "model/favorites.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

ActionTreeItem Folder(const CategoryInfo& c) {
  ActionTreeItem item;
  item.folder = true;
  item.category = kFolderItemBase + c.number;
  item.name = c.name;
  item.expanded = FolderExpanded(c.number);
  return item;
}

ActionTreeItem Leaf(std::string_view name, int category, int icon) {
  ActionTreeItem item;
  item.category = category;
  item.icon = icon;
  item.name = std::string(name);
  return item;
}

}  // namespace

std::vector<ActionTreeItem> BuildActionTree() {
  std::vector<ActionTreeItem> tree;
  std::size_t count = 0;
  const CatalogueEntry* entries = CatalogueEntries(&count);
  for (int c = kFavoritesCategory; c <= kLastActionCategory; ++c) {
    tree.push_back(Folder(*FindCategory(c)));
    if (c == kFavoritesCategory) {
      std::vector<Favorite> favorites = ReadFavorites();
      for (const Favorite& f : favorites) tree.push_back(Leaf(f.name, f.category, f.icon));
      if (favorites.empty()) tree.push_back(Leaf(kFavoritesPlaceholder, 0, -1));
      continue;
    }
    for (std::size_t i = 0; i < count; ++i)
      if (entries[i].folder == c) tree.push_back(Leaf(entries[i].name, entries[i].category, entries[i].icon));
  }
  return tree;
}

ActionTreeItem CatalogueLeaf(std::string_view action) {
  const CatalogueEntry* e = FindCatalogueEntry(action);
  if (!e) return ActionTreeItem();
  return Leaf(e->name, e->category, e->icon);
}

bool FolderExpanded(int category) {
  return ReadSetting(SettingPath(setting::kActionFolderPattern, kFolderItemBase + category)) != 0;
}

void SetFolderExpanded(int category, bool expanded) {
  WriteSettingNumber(SettingPath(setting::kActionFolderPattern, kFolderItemBase + category),
                     expanded ? 1 : 0);
}

void SetAllFoldersExpanded(bool expanded) {
  for (int c = kFavoritesCategory; c <= kLastActionCategory; ++c) SetFolderExpanded(c, expanded);
}

bool CopyActionName(EditorSeam& seam, std::string_view name) {
  if (name.empty() || !seam.SetClipboardText(name)) return false;
  seam.SetStatusText("\"" + std::string(name) + "\" has been copied to the clipboard");
  return true;
}

}  // namespace zelo
