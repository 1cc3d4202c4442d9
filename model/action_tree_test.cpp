#include "model/action_tree.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/favorites.h"
#include "model/testing/recording_seam.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {

class ActionTreeTest : public ::testing::Test {
 protected:
  ActionTreeTest() { UseSettings(&settings); }
  ~ActionTreeTest() override { UseSettings(nullptr); }

  static std::vector<const ActionTreeItem*> Children(const std::vector<ActionTreeItem>& tree, int category) {
    std::vector<const ActionTreeItem*> children;
    bool inside = false;
    for (const ActionTreeItem& item : tree) {
      if (item.folder) {
        inside = item.category == kFolderItemBase + category;
        continue;
      }
      if (inside) children.push_back(&item);
    }
    return children;
  }
  void StoreFavorite(const char* name, uint32_t number) {
    WriteSettingNumber(std::string("SOFTWARE\\Zelomat\\Favorites\\") + name, number);
  }

  MemorySettings settings;
  RecordingSeam seam;
};

TEST_F(ActionTreeTest, HoldsSeventeenFoldersInTableOrderWithEveryEntry) {
  std::vector<ActionTreeItem> tree = BuildActionTree();
  std::vector<std::string> folders;
  std::size_t leaves = 0;
  for (const ActionTreeItem& item : tree) {
    if (item.folder)
      folders.push_back(item.name);
    else
      ++leaves;
  }
  ASSERT_EQ(folders.size(), 17u);
  EXPECT_EQ(folders.front(), "Favorites");
  EXPECT_EQ(folders[10], "Internet");
  EXPECT_EQ(folders.back(), "External Functions");
  std::size_t entries = 0;
  CatalogueEntries(&entries);
  EXPECT_EQ(leaves, entries + 1);  // plus the Favorites placeholder
  EXPECT_TRUE(tree.front().folder);
  EXPECT_EQ(tree.front().category, 100001);
}

TEST_F(ActionTreeTest, InternetFolderStartsWithTheTwoProgramStarts) {
  std::vector<ActionTreeItem> tree = BuildActionTree();
  auto internet = Children(tree, CAT_INTERNET);
  ASSERT_GE(internet.size(), 3u);
  EXPECT_EQ(internet[0]->name, "Start Browser");
  EXPECT_EQ(internet[0]->category, CAT_RUN_PROGRAM);
  EXPECT_EQ(internet[1]->name, "Start Email");
  EXPECT_EQ(internet[2]->name, "Open a Web Page");
  EXPECT_EQ(internet[2]->category, CAT_INTERNET);
  auto run = Children(tree, CAT_RUN_PROGRAM);
  EXPECT_EQ(run.size(), 11u);
  EXPECT_EQ(run.back()->name, "Call Script");
}

TEST_F(ActionTreeTest, FavoritesComeFromTheSettingsAndSkipSmallValues) {
  std::vector<ActionTreeItem> tree = BuildActionTree();
  auto favorites = Children(tree, CAT_FAVORITES);
  ASSERT_EQ(favorites.size(), 1u);
  EXPECT_EQ(favorites[0]->name, "(right-click any action to add)");
  EXPECT_EQ(favorites[0]->category, 0);

  StoreFavorite("Delay", 7047);
  StoreFavorite("Broken", 1000);
  StoreFavorite("Zero", 0);
  tree = BuildActionTree();
  favorites = Children(tree, CAT_FAVORITES);
  ASSERT_EQ(favorites.size(), 1u);
  EXPECT_EQ(favorites[0]->name, "Delay");
  EXPECT_EQ(favorites[0]->category, 7);
  EXPECT_EQ(favorites[0]->icon, 47);
}

TEST_F(ActionTreeTest, FavoritesCanBeAddedAndRemoved) {
  ActionTreeItem leaf = CatalogueLeaf("Start Browser");
  ASSERT_TRUE(AddFavorite(seam, leaf));
  EXPECT_EQ(seam.status, "\"Start Browser\" has been added to the Favorites list");
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Favorites\\Start Browser"), 2000 + leaf.icon);
  ASSERT_TRUE(AddFavorite(seam, CatalogueLeaf("Delay")));
  ASSERT_EQ(ReadFavorites().size(), 2u);

  EXPECT_TRUE(RemoveFavorite("Delay"));
  ASSERT_EQ(ReadFavorites().size(), 1u);
  EXPECT_EQ(ReadFavorites()[0].name, "Start Browser");

  ActionTreeItem folder;
  folder.folder = true;
  folder.category = 100003;
  folder.name = "Windows/Controls";
  EXPECT_FALSE(AddFavorite(seam, folder));
  ActionTreeItem placeholder;
  placeholder.name = kFavoritesPlaceholder;
  EXPECT_FALSE(AddFavorite(seam, placeholder));
}

TEST_F(ActionTreeTest, RemoveAllFavoritesAsksFirst) {
  StoreFavorite("Delay", 7047);
  seam.Answer(MessageAnswer::No);
  EXPECT_FALSE(RemoveAllFavorites(seam));
  EXPECT_EQ(ReadFavorites().size(), 1u);
  ASSERT_NE(seam.LastMessage(), nullptr);
  EXPECT_EQ(seam.LastMessage()->text, "Are you sure that you want to remove all Favorites?");
  seam.Answer(MessageAnswer::Yes);
  EXPECT_TRUE(RemoveAllFavorites(seam));
  EXPECT_TRUE(ReadFavorites().empty());
}

TEST_F(ActionTreeTest, FolderStateIsStoredPerCategory) {
  EXPECT_FALSE(FolderExpanded(CAT_WINDOWS));
  WriteSettingNumber("SOFTWARE\\Zelomat\\Palettes\\Actions\\tree_100003", 1);
  EXPECT_TRUE(FolderExpanded(CAT_WINDOWS));
  std::vector<ActionTreeItem> tree = BuildActionTree();
  for (const ActionTreeItem& item : tree) {
    if (item.folder) {
      EXPECT_EQ(item.expanded, item.category == 100003) << item.name;
    }
  }

  SetFolderExpanded(CAT_EXTERNAL, true);
  EXPECT_EQ(ReadSetting("SOFTWARE\\Zelomat\\Palettes\\Actions\\tree_100017"), 1);
  SetAllFoldersExpanded(false);
  EXPECT_FALSE(FolderExpanded(CAT_WINDOWS));
  EXPECT_TRUE(SettingExists("SOFTWARE\\Zelomat\\Palettes\\Actions\\tree_100001"));
}

TEST_F(ActionTreeTest, CopyNameReportsWhatWasCopied) {
  EXPECT_TRUE(CopyActionName(seam, "IF File Exists"));
  EXPECT_EQ(seam.clipboard, "IF File Exists");
  EXPECT_EQ(seam.status, "\"IF File Exists\" has been copied to the clipboard");
  seam.clipboard_fails = true;
  seam.status.clear();
  EXPECT_FALSE(CopyActionName(seam, "Delay"));
  EXPECT_EQ(seam.status, "");
}

TEST(Catalogue, LooksActionsUpIgnoringCase) {
  const CatalogueEntry* e = FindCatalogueEntry("start EMAIL");
  ASSERT_NE(e, nullptr);
  EXPECT_STREQ(e->name, "Start Email");
  EXPECT_EQ(e->category, CAT_RUN_PROGRAM);
  EXPECT_EQ(e->folder, CAT_INTERNET);
  EXPECT_EQ(FindCatalogueEntry("Start Emai"), nullptr);
  ASSERT_NE(FindCategory(18), nullptr);
  EXPECT_STREQ(FindCategory(18)->name, "SCHEDULING");
  EXPECT_EQ(FindCategory(19), nullptr);
}

}  // namespace zelo
