// The user's favourite actions, kept in "SOFTWARE\Zelomat\Favorites": one
// value per action, named by the action and holding category * 1000 + icon.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/action_tree.h"
#include "model/editor_seam.h"

namespace zelo {

struct Favorite {
  std::string name;
  int category = 0;
  int icon = 0;
};

// The stored favourites; values of 1000 or less name no action and are skipped.
std::vector<Favorite> ReadFavorites();
// "Add to Favorites" for an action leaf; false for folders and the placeholder.
bool AddFavorite(EditorSeam& seam, const ActionTreeItem& leaf);
// "Remove from Favorites".
bool RemoveFavorite(std::string_view name);
// "Remove All Favorites", after the user confirms; false when declined.
bool RemoveAllFavorites(EditorSeam& seam);

}  // namespace zelo
