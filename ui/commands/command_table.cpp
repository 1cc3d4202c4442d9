#include "ui/commands/command_table.h"

#include <cstdio>

namespace zelo {

namespace {

using T = CommandTarget;
using M = MenuId;
constexpr Accelerator kNoKey{};
constexpr Accelerator Ctrl(uint16_t k) { return {k, KEY_CTRL}; }
constexpr Accelerator Alt(uint16_t k) { return {k, KEY_ALT}; }
constexpr Accelerator Shift(uint16_t k) { return {k, KEY_SHIFT}; }
constexpr Accelerator Key(uint16_t k) { return {k, 0}; }
constexpr uint16_t F(int n) { return static_cast<uint16_t>(VKEY_F1 + n - 1); }

constexpr MenuBarEntry kMenuBar[] = {
    {M::File, "&File"}, {M::Edit, "&Edit"},   {M::View, "&View"},     {M::Step, "&Step"},
    {M::Run, "&Run"},   {M::Tools, "&Tools"}, {M::Window, "&Window"}, {M::Help, "&Help"},
};

// In menu order. The Recent Files submenu sits in the File menu where its
// first row is.
const CommandSpec kCommands[] = {
    {CMD_NEW, M::File, false, "&New\tCtrl+N", Ctrl('N'), "New (Ctrl+N)", 1, &T::FileNew, 0},
    {CMD_OPEN, M::File, false, "&Open...\tCtrl+O", Ctrl('O'), "Open (Ctrl+O)", 2, &T::FileOpen, 0},
    {CMD_RECENT_FILE_1 + 0, M::RecentFiles, false, "Recent File 1", kNoKey, nullptr, 0, &T::OpenRecent, 1, true},
    {CMD_RECENT_FILE_1 + 1, M::RecentFiles, false, "Recent File 2", kNoKey, nullptr, 0, &T::OpenRecent, 2, true},
    {CMD_RECENT_FILE_1 + 2, M::RecentFiles, false, "Recent File 3", kNoKey, nullptr, 0, &T::OpenRecent, 3, true},
    {CMD_RECENT_FILE_1 + 3, M::RecentFiles, false, "Recent File 4", kNoKey, nullptr, 0, &T::OpenRecent, 4, true},
    {CMD_RECENT_FILE_1 + 4, M::RecentFiles, false, "Recent File 5", kNoKey, nullptr, 0, &T::OpenRecent, 5, true},
    {CMD_RECENT_FILE_1 + 5, M::RecentFiles, false, "Recent File 6", kNoKey, nullptr, 0, &T::OpenRecent, 6, true},
    {CMD_RECENT_FILE_1 + 6, M::RecentFiles, false, "Recent File 7", kNoKey, nullptr, 0, &T::OpenRecent, 7, true},
    {CMD_RECENT_FILE_1 + 7, M::RecentFiles, false, "Recent File 8", kNoKey, nullptr, 0, &T::OpenRecent, 8, true},
    {CMD_CLOSE, M::File, true, "&Close", kNoKey, nullptr, 0, &T::FileClose, 0},
    {CMD_SAVE, M::File, true, "&Save\tCtrl+S", Ctrl('S'), "Save (Ctrl+S)", 3, &T::FileSave, 0},
    {CMD_SAVE_AS, M::File, false, "Save &As...", kNoKey, nullptr, 0, &T::FileSaveAs, 0},
    {CMD_SAVE_ALL, M::File, false, "Save A&ll", kNoKey, nullptr, 0, &T::FileSaveAll, 0},
    {CMD_XML_REPORT, M::File, true, "XML &Report...", kNoKey, "XML Report", 4, &T::NotInThisBuild, CMD_XML_REPORT},
    {CMD_CUSTOM_TAGS, M::File, false, "Custom XML &Tags", kNoKey, nullptr, 0, &T::CustomTags, 0},
    {CMD_FILE_PROPERTIES, M::File, false, "Propert&ies", kNoKey, nullptr, 0, &T::FileProperties, 0},
    {CMD_EXIT, M::File, true, "E&xit", kNoKey, nullptr, 0, &T::Exit, 0},

    {CMD_UNDO, M::Edit, false, "&Undo\tCtrl+Z", Ctrl('Z'), "Undo (Ctrl+Z)", 9, &T::Undo, 0},
    {CMD_CUT, M::Edit, true, "Cu&t\tCtrl+X", Ctrl('X'), "Cut (Ctrl+X)", 5, &T::Cut, 0},
    {CMD_COPY, M::Edit, false, "&Copy\tCtrl+C", Ctrl('C'), "Copy (Ctrl+C)", 6, &T::Copy, 0},
    {CMD_PASTE, M::Edit, false, "&Paste\tCtrl+V", Ctrl('V'), "Paste (Ctrl+V)", 7, &T::Paste, 0},
    {CMD_DELETE, M::Edit, false, "&Delete\tDel", Key(VKEY_DELETE), "Delete Step (Del)", 8, &T::Delete, 0},
    {CMD_SELECT_ALL, M::Edit, false, "Select A&ll\tCtrl+A", Ctrl('A'), nullptr, 0, &T::SelectAll, 0},
    {CMD_FIND, M::Edit, true, "&Find...\tCtrl+F", Ctrl('F'), nullptr, 0, &T::Find, 0},
    {CMD_FIND_NEXT, M::Edit, false, "Find Ne&xt\tF3", Key(F(3)), nullptr, 0, &T::Find, 1},
    {CMD_FIND_PREVIOUS, M::Edit, false, "Find Pre&vious\tShift+F3", Shift(F(3)), nullptr, 0, &T::Find, 2},
    {CMD_NEXT_BOOKMARK, M::Edit, true, "Goto Next &Bookmark\tF2", Key(F(2)), nullptr, 0, &T::NextBookmark, 0},
    {CMD_TOGGLE_BOOKMARK, M::Edit, false, "Toggle Boo&kmark\tCtrl+F2", Ctrl(F(2)), nullptr, 0, &T::ToggleBookmark, 0},
    {CMD_REMOVE_BOOKMARKS, M::Edit, false, "&Remove All Bookmarks", kNoKey, nullptr, 0, &T::RemoveBookmarks, 0},
    {CMD_GO_TO_STEP, M::Edit, true, "&Go to Step...\tCtrl+G", Ctrl('G'), nullptr, 0, &T::GoToStep, 0},

    {CMD_KEEP_ON_TOP, M::View, false, "&Keep on Top", kNoKey, "Keep on Top", 24, &T::KeepOnTop, 0},
    {CMD_SHOW_TOOLBAR, M::View, true, "Show &Toolbar", kNoKey, nullptr, 0, &T::TogglePane, PANE_TOOLBAR},
    {CMD_SHOW_STATUSBAR, M::View, false, "Show &Statusbar", kNoKey, nullptr, 0, &T::TogglePane, PANE_STATUSBAR},
    {CMD_SHOW_ACTIONS, M::View, false, "Show &Actions\tAlt+1", Alt('1'), nullptr, 0, &T::TogglePane, PANE_ACTIONS},
    {CMD_SHOW_PROPERTIES, M::View, false, "Show &Properties\tAlt+2", Alt('2'), nullptr, 0, &T::TogglePane,
     PANE_PROPERTIES},
    {CMD_SHOW_OUTPUT, M::View, false, "Show &Output\tAlt+3", Alt('3'), nullptr, 0, &T::TogglePane, PANE_OUTPUT},
    {CMD_SHOW_VARIABLES, M::View, false, "Show &Variables\tAlt+4", Alt('4'), nullptr, 0, &T::TogglePane,
     PANE_VARIABLES},
    {CMD_COLLAPSE_TREE, M::View, true, "&Collapse Actions Tree", kNoKey, nullptr, 0, &T::ExpandTree, 0},
    {CMD_EXPAND_TREE, M::View, false, "E&xpand Actions Tree", kNoKey, nullptr, 0, &T::ExpandTree, 1},
    {CMD_RESET_UI, M::View, true, "Reset &User Interface", kNoKey, nullptr, 0, &T::ResetUi, 0},

    {CMD_STEP_NEW, M::Step, false, "&New", kNoKey, nullptr, 0, &T::StepNew, 0},
    {CMD_EDIT_PROPERTIES, M::Step, false, "&Edit Properties", kNoKey, nullptr, 0, &T::EditProperties, 0},
    {CMD_VIEW_XML, M::Step, false, "View &XML", kNoKey, nullptr, 0, &T::ViewXml, 0},
    {CMD_MOVE_UP, M::Step, true, "Move &Up\tAlt+Up", Alt(VKEY_UP), "Move Up (Alt+Up)", 16, &T::MoveStep, -1},
    {CMD_MOVE_DOWN, M::Step, false, "Move &Down\tAlt+Down", Alt(VKEY_DOWN), "Move Down (Alt+Down)", 17, &T::MoveStep,
     1},
    {CMD_INDENT, M::Step, false, "&Indent\tAlt+Right", Alt(VKEY_RIGHT), "Increase Indent (Alt+Right)", 19, &T::Indent,
     1},
    {CMD_UNINDENT, M::Step, false, "Un-Indent\tAlt+Left", Alt(VKEY_LEFT), "Decrease Indent (Alt+Left)", 18, &T::Indent,
     -1},
    {CMD_AUTO_INDENT, M::Step, false, "Auto-Indent and Validate", kNoKey, "Auto-Indent and Validate", 20,
     &T::AutoIndent, 0},
    {CMD_SKIP, M::Step, true, "&Skip\tF8", Key(F(8)), "Skip Step (F8)", 14, &T::ToggleMark, 0},
    {CMD_BREAKPOINT, M::Step, false, "&Breakpoint\tF9", Key(F(9)), "Breakpoint (F9)", 15, &T::ToggleMark, 1},
    {CMD_REMOVE_SKIPS, M::Step, false, "&Remove All Skips\tShift+F8", Shift(F(8)), nullptr, 0, &T::RemoveMarks, 0},
    {CMD_REMOVE_BREAKPOINTS, M::Step, false, "Remove All Brea&kpoints\tShift+F9", Shift(F(9)), nullptr, 0,
     &T::RemoveMarks, 1},
    {CMD_ADD_COMMENT, M::Step, true, "Add &Comment\tInsert", Key(VKEY_INSERT), nullptr, 0, &T::AddComment, 0},

    {CMD_RUN, M::Run, false, "&Run\tF5", Key(F(5)), "Run (F5)", 10, &T::Run, 0},
    {CMD_RUN_FROM_HERE, M::Run, false, "Run &From Here\tF6", Key(F(6)), "Run From Here (F6)", 11, &T::Run, 1},
    {CMD_RUN_SINGLE_STEP, M::Run, false, "Run Single &Step\tF7", Key(F(7)), "Run Single Step (F7)", 12, &T::Run, 2},
    {CMD_PAUSE, M::Run, false, "&Pause", kNoKey, "Pause Run", 13, &T::Pause, 0},
    // The second stage of Pause: the main window sends it to itself.
    {CMD_PAUSE_FORCE, M::None, false, nullptr, Ctrl(VKEY_PAUSE), nullptr, 0, &T::Pause, 1},

    {CMD_COMPILE, M::Tools, false, "&Compile Executable (.exe)", kNoKey, "Compile .EXE", 21, &T::NotInThisBuild,
     CMD_COMPILE},
    {CMD_OPEN_LOGFILE, M::Tools, true, "Open &Logfile", kNoKey, nullptr, 0, &T::OpenLogfile, 0},
    {CMD_LIST_MAIN_WINDOWS, M::Tools, true, "Display &Main Program Windows", kNoKey, nullptr, 0, &T::WindowList, 0},
    {CMD_LIST_POPUPS, M::Tools, false, "Display &Popup Windows", kNoKey, nullptr, 0, &T::WindowList, 1},
    {CMD_LIST_ALL_WINDOWS, M::Tools, false, "Display All &Windows && Controls", kNoKey, nullptr, 0, &T::WindowList, 2},
    {CMD_OPTIONS, M::Tools, true, "&Options...\tF11", Key(F(11)), "Options", 22, &T::Options, 0},

    {CMD_CLOSE_WINDOW, M::Window, false, "&Close Current Window", kNoKey, nullptr, 0, &T::FileClose, 0},
    {CMD_CLOSE_ALL, M::Window, false, "Close Al&l", kNoKey, nullptr, 0, &T::CloseAll, 0},
    {CMD_WINDOW_1 + 0, M::Window, true, "Window 1", Ctrl('1'), nullptr, 0, &T::SelectWindow, 1, true},
    {CMD_WINDOW_1 + 1, M::Window, false, "Window 2", Ctrl('2'), nullptr, 0, &T::SelectWindow, 2, true},
    {CMD_WINDOW_1 + 2, M::Window, false, "Window 3", Ctrl('3'), nullptr, 0, &T::SelectWindow, 3, true},
    {CMD_WINDOW_1 + 3, M::Window, false, "Window 4", Ctrl('4'), nullptr, 0, &T::SelectWindow, 4, true},
    {CMD_WINDOW_1 + 4, M::Window, false, "Window 5", Ctrl('5'), nullptr, 0, &T::SelectWindow, 5, true},
    {CMD_WINDOW_1 + 5, M::Window, false, "Window 6", Ctrl('6'), nullptr, 0, &T::SelectWindow, 6, true},
    {CMD_WINDOW_1 + 6, M::Window, false, "Window 7", Ctrl('7'), nullptr, 0, &T::SelectWindow, 7, true},
    {CMD_WINDOW_1 + 7, M::Window, false, "Window 8", Ctrl('8'), nullptr, 0, &T::SelectWindow, 8, true},

    {CMD_HELP, M::Help, false, "&Help Reference\tF1", Key(F(1)), "Help", 23, &T::Help, 0},
    {CMD_SHORTCUTS, M::Help, false, "&Keyboard Shortcuts", kNoKey, nullptr, 0, &T::Shortcuts, 0},
    {CMD_STARTUP_OPTIONS, M::Help, false, "Startup &Options", kNoKey, nullptr, 0, &T::StartupOptions, 0},
    {CMD_CHECK_UPDATES, M::Help, true, "Check Web for Updates...", kNoKey, nullptr, 0, &T::CheckUpdates, 0},
    {CMD_ABOUT, M::Help, true, "&About Zelomat", kNoKey, nullptr, 0, &T::About, 0},

    // The tab strip's menu.
    {CMD_TAB_CLOSE, M::None, false, nullptr, kNoKey, nullptr, 0, &T::FileClose, 0},
    {CMD_TAB_SAVE, M::None, false, nullptr, kNoKey, nullptr, 0, &T::FileSave, 0},
};

constexpr const char* kPaneNames[PANE_COUNT] = {"Toolbar", "Statusbar", "Actions", "Properties", "Output",
                                                "Variables"};

}  // namespace

const char* PaneName(int pane) { return pane >= 0 && pane < PANE_COUNT ? kPaneNames[pane] : ""; }

const MenuBarEntry* MenuBar(std::size_t* count) {
  *count = sizeof kMenuBar / sizeof kMenuBar[0];
  return kMenuBar;
}

const CommandSpec* CommandTable(std::size_t* count) {
  *count = sizeof kCommands / sizeof kCommands[0];
  return kCommands;
}

const CommandSpec* FindCommandSpec(int id) {
  for (const CommandSpec& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

bool DispatchCommand(CommandTarget& target, int id) {
  const CommandSpec* c = FindCommandSpec(id);
  if (!c || !c->handler) return false;
  (target.*(c->handler))(c->argument);
  return true;
}

std::string AcceleratorText(const Accelerator& key) {
  if (key.key == 0) return std::string();
  std::string t;
  if (key.modifiers & KEY_CTRL) t += "Ctrl+";
  if (key.modifiers & KEY_SHIFT) t += "Shift+";
  if (key.modifiers & KEY_ALT) t += "Alt+";
  if (key.key >= VKEY_F1 && key.key < VKEY_F1 + 24) return t + "F" + std::to_string(key.key - VKEY_F1 + 1);
  switch (key.key) {
    case VKEY_INSERT: return t + "Insert";
    case VKEY_DELETE: return t + "Del";
    case VKEY_LEFT: return t + "Left";
    case VKEY_UP: return t + "Up";
    case VKEY_RIGHT: return t + "Right";
    case VKEY_DOWN: return t + "Down";
    case VKEY_PAUSE: return t + "Pause";
    default: break;
  }
  if ((key.key >= 'A' && key.key <= 'Z') || (key.key >= '0' && key.key <= '9')) return t + static_cast<char>(key.key);
  return t + "#" + std::to_string(key.key);
}

std::string_view MenuKeyText(std::string_view menu_text) {
  const std::size_t tab = menu_text.find('\t');
  return tab == std::string_view::npos ? std::string_view() : menu_text.substr(tab + 1);
}

std::string PlainCommandName(std::string_view menu_text) {
  menu_text = menu_text.substr(0, menu_text.find('\t'));
  std::string t;
  for (std::size_t i = 0; i < menu_text.size(); ++i) {
    // "&&" is a literal "&"; a single one marks the mnemonic.
    if (menu_text[i] == '&') {
      if (i + 1 < menu_text.size() && menu_text[i + 1] == '&') t += menu_text[++i];
      continue;
    }
    t += menu_text[i];
  }
  while (!t.empty() && t.back() == '.') t.pop_back();
  return t;
}

std::string KeyboardShortcutsText() {
  std::string text;
  for (const CommandSpec& c : kCommands) {
    if (!c.text || c.key.key == 0) continue;
    const std::string name = c.dynamic ? "Switch to window " + std::to_string(c.argument) : PlainCommandName(c.text);
    text += AcceleratorText(c.key) + "\t" + name + "\r\n";
  }
  return text;
}

bool IsTextEditingKey(const Accelerator& key) {
  if (key.modifiers == 0) return key.key == VKEY_DELETE || key.key == VKEY_INSERT;
  if (key.modifiers == KEY_CTRL) return key.key == 'C' || key.key == 'X' || key.key == 'V' || key.key == 'Z' || key.key == 'A';
  if (key.modifiers == KEY_ALT)
    return key.key == VKEY_UP || key.key == VKEY_DOWN || key.key == VKEY_LEFT || key.key == VKEY_RIGHT;
  return false;
}

namespace {
// A "&" in a file name would turn into a mnemonic.
std::string MenuEscaped(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}
}  // namespace

std::string WindowMenuText(int number, std::string_view caption) {
  char head[16];
  std::snprintf(head, sizeof head, "&%d ", number);
  return head + MenuEscaped(caption) + "\tCtrl+" + std::to_string(number);
}

std::string RecentFileMenuText(int number, std::string_view path) {
  return "&" + std::to_string(number) + " " + MenuEscaped(path);
}

}  // namespace zelo
