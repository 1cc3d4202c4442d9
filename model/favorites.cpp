#include "model/favorites.h"

#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {
constexpr const char* kFavoritesKey = setting::kFavorites;

// Action names go to the store as value names as they are; they are never
// formatted into a path, so no character of a name can change its meaning.
int32_t StoredNumber(const StoredValue& v) {
  if (v.kind == ValueKind::Dword) return static_cast<int32_t>(v.number);
  if (v.kind == ValueKind::Binary) return 0;
  uint32_t n = 0;
  for (char c : v.data) {
    if (c < '0' || c > '9') break;
    n = n * 10u + static_cast<uint32_t>(c - '0');
  }
  return static_cast<int32_t>(n);
}
}  // namespace

std::vector<Favorite> ReadFavorites() {
  std::vector<Favorite> favorites;
  SettingsBackend& store = Settings();
  for (const std::string& name : store.ValueNames(SettingsRoot::CurrentUser, kFavoritesKey)) {
    StoredValue v;
    if (!store.Get(SettingsRoot::CurrentUser, kFavoritesKey, name, &v)) continue;
    const int32_t number = StoredNumber(v);
    if (number <= 1000) continue;
    favorites.push_back({name, number / 1000, number % 1000});
  }
  return favorites;
}

bool AddFavorite(EditorSeam& seam, const ActionTreeItem& leaf) {
  if (leaf.folder || leaf.name.empty() || leaf.category < 1 || leaf.category >= kFolderItemBase) return false;
  StoredValue v;
  v.kind = ValueKind::Dword;
  v.number = static_cast<uint32_t>(leaf.category * 1000 + (leaf.icon > 0 ? leaf.icon % 1000 : 0));
  if (!Settings().Set(SettingsRoot::CurrentUser, kFavoritesKey, leaf.name, v)) return false;
  seam.SetStatusText("\"" + leaf.name + "\" has been added to the Favorites list");
  return true;
}

bool RemoveFavorite(std::string_view name) {
  return Settings().DeleteValue(SettingsRoot::CurrentUser, kFavoritesKey, name);
}

bool RemoveAllFavorites(EditorSeam& seam) {
  if (seam.ShowMessage("Are you sure that you want to remove all Favorites?", "Confirm Action", MessageButtons::YesNo,
                       MessageIcon::Question) != MessageAnswer::Yes)
    return false;
  Settings().DeleteKey(SettingsRoot::CurrentUser, kFavoritesKey);
  return true;
}

}  // namespace zelo
