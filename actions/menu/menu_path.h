// The portable rules of the "Menu" steps: which menu-bar item a path names,
// the keys of the keyboard method, the lines of a popup menu, and the words
// of the system menu.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actions/keyboard/key_events.h"

namespace zelo {

// A menu as read from a window: its items with their texts as shown ("&Open...\tCtrl+O"),
// each a command or a sub-menu.
struct MenuNode {
  std::string text;
  uint32_t command = 0;
  bool submenu = false;
  std::vector<MenuNode> items;
};

// Sub-menus read below the menu bar.
inline constexpr int kMenuDepthRead = 16;

// The path a step names: ", " and "," become ";", and everything from a tab
// on is dropped.
std::string MenuPathWanted(std::string_view text);

// The first command item, depth first, that the wanted path names: without
// regard to case, the path is the start of the item's text or of its path
// from the menu bar (texts cut at a tab and at "...", joined by ";", at most
// 8 levels), with or without the "&" marks. False when none does.
bool FindMenuCommand(const MenuNode& bar, std::string_view wanted, uint32_t* command);

// The keyboard method: for each part of the path (leading blanks skipped),
// the character after its "&", or else its first character, upper-cased;
// Alt is held around the first part's key. False when the last part gave no
// character (nothing can have been chosen).
bool MenuKeySequence(std::string_view wanted, KeySequence* keys);

// The items of "Show Popup Menu", one per line (line ends removed, leading
// blanks removed); an empty line or one starting with "-" or "_" is a
// separator. Item n (from 1, separators counted) has command kPopupCommandBase + n.
struct PopupLine {
  std::string text;
  bool separator = false;
};
inline constexpr uint32_t kPopupCommandBase = 2023;
std::vector<PopupLine> PopupMenuLines(std::string_view text);

enum class SystemMenuCommand { Maximize, Minimize, Restore, Move, Close, Size, None };
// The first of "max", "min", "restore", "move", "close", "size" the text
// (without "&") holds, any case.
SystemMenuCommand SystemMenuWord(std::string_view text);

}  // namespace zelo
