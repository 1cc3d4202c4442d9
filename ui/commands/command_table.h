// The editor's commands as one table: id, menu place and text, accelerator,
// toolbar tooltip and handler. The menus, the accelerator table, the toolbar,
// the "Keyboard Shortcuts" text and the dispatch of WM_COMMAND are all built
// from it, so a command cannot be on the menu without a handler or have a key
// that the menu does not show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/command_ids.h"

namespace zelo {

// Whatever carries the commands out (the main window). Each handler gets the
// row's argument, so one handler serves a family of commands.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual void FileNew(int) = 0;
  virtual void FileOpen(int) = 0;
  virtual void OpenRecent(int number) = 0;  // 1..8
  virtual void FileClose(int) = 0;
  virtual void FileSave(int) = 0;
  virtual void FileSaveAs(int) = 0;
  virtual void FileSaveAll(int) = 0;
  virtual void NotInThisBuild(int command) = 0;  // XML report, compile
  virtual void CustomTags(int) = 0;
  virtual void FileProperties(int) = 0;
  virtual void Exit(int) = 0;
  virtual void Undo(int) = 0;
  virtual void Cut(int) = 0;
  virtual void Copy(int) = 0;
  virtual void Paste(int) = 0;
  virtual void Delete(int) = 0;
  virtual void SelectAll(int) = 0;
  virtual void Find(int how) = 0;  // 0 dialog, 1 next, 2 previous
  virtual void NextBookmark(int) = 0;
  virtual void ToggleBookmark(int) = 0;
  virtual void RemoveBookmarks(int) = 0;
  virtual void GoToStep(int) = 0;
  virtual void Run(int how) = 0;  // 0 run, 1 from here, 2 single step
  virtual void Pause(int force) = 0;
  virtual void KeepOnTop(int) = 0;
  virtual void TogglePane(int pane) = 0;  // a Pane value
  virtual void ExpandTree(int expand) = 0;
  virtual void ResetUi(int) = 0;
  virtual void StepNew(int) = 0;
  virtual void EditProperties(int) = 0;
  virtual void ViewXml(int) = 0;
  virtual void MoveStep(int direction) = 0;  // -1 up, +1 down
  virtual void Indent(int delta) = 0;
  virtual void AutoIndent(int) = 0;
  virtual void ToggleMark(int breakpoint) = 0;
  virtual void RemoveMarks(int breakpoints) = 0;
  virtual void AddComment(int) = 0;
  virtual void OpenLogfile(int) = 0;
  virtual void WindowList(int kind) = 0;  // 0 main, 1 popups, 2 all with controls
  virtual void Options(int) = 0;
  virtual void CloseAll(int) = 0;
  virtual void SelectWindow(int number) = 0;  // 1..8
  virtual void Help(int) = 0;
  virtual void Shortcuts(int) = 0;
  virtual void StartupOptions(int) = 0;
  virtual void CheckUpdates(int) = 0;
  virtual void About(int) = 0;
};

// The docked panes the View menu shows and hides, in the order of their
// "Palettes\%s\visible" names.
enum Pane : int { PANE_TOOLBAR, PANE_STATUSBAR, PANE_ACTIONS, PANE_PROPERTIES, PANE_OUTPUT, PANE_VARIABLES, PANE_COUNT };
const char* PaneName(int pane);  // "Toolbar", "Statusbar", ...

enum class MenuId : uint8_t { None, File, RecentFiles, Edit, View, Step, Run, Tools, Window, Help };
// Top-level menus in menu-bar order, with their texts.
struct MenuBarEntry {
  MenuId menu;
  const char* text;
};
const MenuBarEntry* MenuBar(std::size_t* count);

// Key modifiers of an accelerator.
enum : uint8_t { KEY_CTRL = 1, KEY_SHIFT = 2, KEY_ALT = 4 };
// Virtual-key codes the table uses (the system's numbers).
enum : uint16_t {
  VKEY_INSERT = 0x2D,
  VKEY_DELETE = 0x2E,
  VKEY_LEFT = 0x25,
  VKEY_UP = 0x26,
  VKEY_RIGHT = 0x27,
  VKEY_DOWN = 0x28,
  VKEY_PAUSE = 0x13,
  VKEY_F1 = 0x70,  // F1..F12 follow
};
struct Accelerator {
  uint16_t key = 0;  // 0: none; letters and digits are their capitals
  uint8_t modifiers = 0;
  bool operator==(const Accelerator& o) const { return key == o.key && modifiers == o.modifiers; }
};

using CommandHandler = void (CommandTarget::*)(int);

struct CommandSpec {
  int id;
  MenuId menu;          // None: reached by key or toolbar only
  bool separator_before;
  const char* text;     // menu text with "\t" and the key; nullptr: not on a menu
  Accelerator key;
  const char* tooltip;  // toolbar tooltip; nullptr: not on the toolbar
  int toolbar_order;    // place on the toolbar (1..), 0: not there
  CommandHandler handler;
  int argument;
  // Rows of a menu rebuilt from state each time it opens (recent files, windows).
  bool dynamic = false;
};

const CommandSpec* CommandTable(std::size_t* count);
const CommandSpec* FindCommandSpec(int id);
// Runs the command's handler; false for an id the table does not know.
bool DispatchCommand(CommandTarget& target, int id);

// "Ctrl+Shift+F3", "Alt+Up", "Del" as menus write keys.
std::string AcceleratorText(const Accelerator& key);
// The key a menu text names after its tab ("&Save\tCtrl+S" -> "Ctrl+S").
std::string_view MenuKeyText(std::string_view menu_text);
// A menu text as prose: without "&", the "..." and the key ("Save &As..." -> "Save As").
std::string PlainCommandName(std::string_view menu_text);

// The text of "Zelomat Keyboard Shortcuts": one "key<TAB>command" line per
// accelerator, in menu order.
std::string KeyboardShortcutsText();

// Keys an edit control uses itself: while a text box or the Properties
// palette's editor has the focus they go there, not to the step grid.
bool IsTextEditingKey(const Accelerator& key);

// The Window menu's entry for an open script: "&%d %s\tCtrl+%d".
std::string WindowMenuText(int number, std::string_view caption);
// The Recent Files entry: "&%d %s".
std::string RecentFileMenuText(int number, std::string_view path);

}  // namespace zelo
