// The action catalogue: the fixed vocabulary of step actions, grouped in
// categories, in the order the Actions tree shows them. This table is the one
// source of action names, categories, icons and help topics.
#pragma once

#include <cstddef>
#include <string_view>

namespace zelo {

inline constexpr int kFavoritesCategory = 1;
inline constexpr int kFirstActionCategory = 2;
inline constexpr int kLastActionCategory = 17;
inline constexpr int kCategoryCount = 18;  // the last, "SCHEDULING", has no folder

// Category numbers the rest of the program tests for.
enum Category : int {
  CAT_FAVORITES = 1,
  CAT_RUN_PROGRAM = 2,
  CAT_WINDOWS = 3,
  CAT_KEYBOARD = 4,
  CAT_MENU = 5,
  CAT_MOUSE = 6,
  CAT_WAIT = 7,
  CAT_USER_PROMPT = 8,
  CAT_RECORDINGS = 9,
  CAT_FILES = 10,
  CAT_INTERNET = 11,
  CAT_DATABASE = 12,
  CAT_FLOW = 13,
  CAT_IF = 14,
  CAT_SYSTEM = 15,
  CAT_FUNCTIONS = 16,
  CAT_EXTERNAL = 17,
};

struct CategoryInfo {
  int number;
  const char* name;
  const char* help_topic;  // page of "Help.chm"; nullptr for "SCHEDULING"
};

struct CatalogueEntry {
  const char* name;
  int category;  // of the step it creates (the Internet folder holds two category-2 entries)
  int folder;    // the tree folder it is listed in
  int icon;      // image-list index
};

// Category 1..18 (table order); nullptr outside.
const CategoryInfo* FindCategory(int number);
// Entries in tree order.
const CatalogueEntry* CatalogueEntries(std::size_t* count);
// The first entry whose name equals the action, ignoring case; nullptr when none.
const CatalogueEntry* FindCatalogueEntry(std::string_view action);

}  // namespace zelo
