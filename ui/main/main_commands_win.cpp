// The main window's command handlers: each is a short call into the script
// model's editing operations, the file commands or another window's tool.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <string>

#include "base/ansi_text_win.h"
#include "engine/auto_indent.h"
#include "engine/exit_code.h"
#include "expr/variable_store.h"
#include "model/clipboard_commands.h"
#include "model/edit_commands.h"
#include "model/insert_action.h"
#include "model/slot_captions.h"
#include "model/slots.h"
#include "model/step_marks.h"
#include "model/undo.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/commands/file_commands.h"
#include "ui/dialogs/editor_dialogs_win.h"
#include "ui/main/menus_win.h"
#include "ui/main_window_win.h"
#include "ui/options/options_sheet_win.h"

namespace zelo {

namespace {

// The commands a run leaves alone: it works on the step array unlocked, so
// nothing may change it or the open scripts meanwhile.
constexpr int kEditingCommands[] = {
    CMD_NEW,        CMD_OPEN,          CMD_SAVE,          CMD_SAVE_AS,         CMD_SAVE_ALL,     CMD_CLOSE,
    CMD_UNDO,          CMD_CUT,           CMD_PASTE,           CMD_DELETE,       CMD_STEP_NEW,
    CMD_MOVE_UP,    CMD_MOVE_DOWN,     CMD_INDENT,        CMD_UNINDENT,        CMD_AUTO_INDENT,  CMD_SKIP,
    CMD_BREAKPOINT, CMD_REMOVE_SKIPS,  CMD_REMOVE_BREAKPOINTS, CMD_ADD_COMMENT, CMD_RUN,         CMD_RUN_FROM_HERE,
    CMD_RUN_SINGLE_STEP, CMD_OPTIONS,  CMD_CLOSE_WINDOW,  CMD_CLOSE_ALL,       CMD_TAB_CLOSE,    CMD_TAB_SAVE,
    CMD_XML_REPORT, CMD_COMPILE,       CMD_RESET_UI,
};

bool IsEditingCommand(int id) {
  if (id >= CMD_RECENT_FILE_1 && id < CMD_RECENT_FILE_1 + 8) return true;
  if (id >= CMD_WINDOW_1 && id < CMD_WINDOW_1 + 8) return true;
  return std::find(std::begin(kEditingCommands), std::end(kEditingCommands), id) != std::end(kEditingCommands);
}

// The group stamp of one user command: its undo records are undone together.
uint32_t CommandGroup() { return GetTickCount(); }

void Warn(HWND owner, const char* text) {
  MessageBoxW(owner, AnsiToWide(text).c_str(), L"Zelomat Warning", MB_OK | MB_ICONWARNING | MB_TASKMODAL | MB_SETFOREGROUND);
}

bool FileIsThere(const std::string& path) {
  const DWORD a = GetFileAttributesW(AnsiToWide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// "Zelomat File (*.zxm, *.xml)" then "All Files (*.*)", NUL-separated.
const wchar_t kFileFilter[] = L"Zelomat File (*.zxm, *.xml)\0*.zxm;*.xml\0All Files (*.*)\0*.*\0";

}  // namespace

bool MainWindow::Running() { return running_ || run_.engine().RunActive(); }

void MainWindow::OnCommand(int command) {
  if (Running() && IsEditingCommand(command)) {
    MessageBeep(MB_OK);
    return;
  }
  DispatchCommand(*this, command);
}

void MainWindow::SetRunningState(bool running) {
  running_ = running;
  HMENU menu = GetMenu(hwnd_);
  std::size_t n = 0;
  const CommandSpec* table = CommandTable(&n);
  for (std::size_t i = 0; i < n; ++i) {
    if (!IsEditingCommand(table[i].id)) continue;
    if (menu) EnableMenuItem(menu, static_cast<UINT>(table[i].id), MF_BYCOMMAND | (running ? MF_GRAYED : MF_ENABLED));
    if (toolbar_) SendMessageW(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(table[i].id), !running);
  }
  if (menu) EnableMenuItem(menu, CMD_PAUSE, MF_BYCOMMAND | (running ? MF_ENABLED : MF_GRAYED));
  if (toolbar_) SendMessageW(toolbar_, TB_ENABLEBUTTON, CMD_PAUSE, running);
  properties_.SetRunning(running);
  actions_.SetRunning(running);
  if (!running) {
    // The run wrote its results into the steps; Undo's state is the script's.
    ShowSlotState(workspace_, workspace_.current);
    RefreshList();
  }
}

// ---- File

std::string MainWindow::AskSaveName(std::string_view current) {
  wchar_t name[MAX_PATH] = {};
  const std::wstring wide = AnsiToWide(current);
  lstrcpynW(name, wide.c_str(), MAX_PATH);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd_;
  ofn.lpstrFilter = kFileFilter;
  ofn.lpstrFile = name;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = L"zxm";
  // The question before replacing a file is the program's own.
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&ofn)) return std::string();
  return WideToAnsi(name);
}

bool MainWindow::SaveForClose(int slot) {
  return SaveSlot(workspace_, slot, [this](std::string_view c) { return AskSaveName(c); }, &FileIsThere);
}

void MainWindow::FileNew(int) {
  NewScript(workspace_);
  ShowCurrentScript();
}

void MainWindow::FileOpen(int) {
  wchar_t name[MAX_PATH] = {};
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd_;
  ofn.lpstrFilter = kFileFilter;
  ofn.lpstrFile = name;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) return;
  OpenScriptPath(workspace_, WideToAnsi(name));
  ShowCurrentScript();
}

void MainWindow::OpenRecent(int number) {
  const std::string path = ReadSettingText(SettingPath(setting::kRecentFilePattern, number), 259);
  if (path.empty()) return;
  // A file gone since it was listed: the loader says so and takes it off the list.
  OpenScriptPath(workspace_, path);
  ShowCurrentScript();
}

void MainWindow::FileClose(int) {
  CloseScript(workspace_, [this](Workspace&, int slot) { return SaveForClose(slot); });
  ShowCurrentScript();
}

void MainWindow::CloseAll(int) {
  CloseAllScripts(workspace_, [this](Workspace&, int slot) { return SaveForClose(slot); });
  ShowCurrentScript();
}

void MainWindow::FileSave(int) { SaveForClose(workspace_.current); }

void MainWindow::FileSaveAs(int) {
  SaveSlotAs(workspace_, workspace_.current, [this](std::string_view c) { return AskSaveName(c); }, &FileIsThere);
}

void MainWindow::FileSaveAll(int) {
  SaveAllSlots(workspace_, [this](std::string_view c) { return AskSaveName(c); }, &FileIsThere);
}

void MainWindow::NotInThisBuild(int command) {
  Warn(hwnd_, command == CMD_COMPILE
                  ? "Compile Executable\n\nThis build of Zelomat cannot compile scripts into programs yet."
                  : "XML Report\n\nThis build of Zelomat cannot write XML reports yet.");
}

void MainWindow::CustomTags(int) { CustomXmlTagsCommand(hwnd_, workspace_); }
void MainWindow::FileProperties(int) { FilePropertiesCommand(hwnd_, workspace_); }
void MainWindow::Exit(int) { OnClose(); }

// ---- Edit

void MainWindow::Undo(int) {
  UndoCommand(workspace_);
  RefreshList();
}

void MainWindow::Cut(int) { CutSteps(workspace_, CommandGroup(), SelectedRows()); }
void MainWindow::Copy(int) { CopySteps(workspace_, SelectedRows()); }
void MainWindow::Paste(int) { PasteSteps(workspace_, CommandGroup(), SelectedRows()); }

void MainWindow::Delete(int) {
  DeleteSteps(workspace_, CommandGroup(), SelectedRows());
  ShowCurrentScript();
}

void MainWindow::SelectAll(int) { grid_.SelectAll(); }

void MainWindow::Find(int how) {
  FindCommand(hwnd_, workspace_, how == 0 ? FindHow::Dialog : how == 1 ? FindHow::Next : FindHow::Previous,
              SelectedRows());
}

void MainWindow::NextBookmark(int) { GotoNextBookmark(workspace_, SelectedRows()); }

void MainWindow::ToggleBookmark(int) {
  zelo::ToggleBookmark(workspace_, SelectedRows());
  grid_.Refresh();
}

void MainWindow::RemoveBookmarks(int) {
  RemoveAllBookmarks(workspace_);
  grid_.Refresh();
}

void MainWindow::GoToStep(int) { GoToStepCommand(hwnd_, workspace_); }

// ---- Run

void MainWindow::Run(int how) {
  const RunCommand kinds[] = {RunCommand::Run, RunCommand::RunFromHere, RunCommand::RunSingleStep};
  run_.engine().StartRun(workspace_.current, kinds[how < 0 || how > 2 ? 0 : how], true);
}

void MainWindow::Pause(int force) {
  RunEngine& engine = run_.engine();
  if (force) {
    engine.StopRun(workspace_.current, StopHow::PauseConfirm);
    return;
  }
  if (engine.RunActive()) engine.StopRun(workspace_.current, StopHow::PauseCommand);
}

// ---- View

void MainWindow::KeepOnTop(int) { SetOnTop(!on_top_); }

void MainWindow::TogglePane(int pane) {
  ShowPane(pane, !PaneVisible(pane));
  // A pane shown again shows the current state.
  if (pane == PANE_VARIABLES && PaneVisible(pane)) variables_.Reload();
}

void MainWindow::ExpandTree(int expand) { actions_.SetAllExpanded(expand != 0); }

void MainWindow::ResetUi(int) {
  const int answer =
      MessageBoxW(hwnd_, L"Are you sure that you want to reset all toolbars and palettes to their original locations?",
                  L"Zelomat", MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);
  if (answer != IDYES) return;
  left_width_ = 220;
  right_width_ = 280;
  bottom_height_ = 150;
  variables_width_ = 320;
  for (int p = 0; p < PANE_COUNT; ++p) ShowPane(p, true);
  grid_.ResetColumns();
  properties_.ResetRowHeight();
  Layout();
}

// ---- Step

void MainWindow::StepNew(int) {
  if (!PaneVisible(PANE_ACTIONS)) ShowPane(PANE_ACTIONS, true);
  actions_.ShowHint("\n    To add a new step, drag or double-click    \n    an action in the Actions tree \n", 3000);
}

void MainWindow::EditProperties(int) {
  if (!PaneVisible(PANE_PROPERTIES)) ShowPane(PANE_PROPERTIES, true);
  const std::vector<int> rows = SelectedRows();
  properties_.ShowStep(rows.empty() ? -1 : rows.front());
  SetFocus(properties_.hwnd());
}

void MainWindow::ViewXml(int) { ViewXmlCommand(hwnd_, workspace_, SelectedRows()); }

void MainWindow::MoveStep(int direction) {
  if (direction < 0)
    MoveStepUp(workspace_, CommandGroup(), SelectedRows());
  else
    MoveStepDown(workspace_, CommandGroup(), SelectedRows());
}

void MainWindow::Indent(int delta) { IndentSteps(workspace_, CommandGroup(), SelectedRows(), delta); }

void MainWindow::AutoIndent(int) {
  AutoIndentAndValidate(workspace_, CommandGroup());
  RefreshList();
}

void MainWindow::ToggleMark(int breakpoint) {
  if (breakpoint)
    ToggleBreakpoint(workspace_, CommandGroup(), SelectedRows());
  else
    ToggleSkip(workspace_, CommandGroup(), SelectedRows());
  RefreshList();
}

void MainWindow::RemoveMarks(int breakpoints) {
  if (breakpoints)
    RemoveAllBreakpoints(workspace_, CommandGroup());
  else
    RemoveAllSkips(workspace_, CommandGroup());
  RefreshList();
}

void MainWindow::AddComment(int) {
  InsertCatalogueAction(workspace_, CommandGroup(), SelectedRows(), "Comment", InsertPlace::BySelection);
}

// ---- Tools

void MainWindow::OpenLogfile(int) { OpenLogfileCommand(hwnd_); }

void MainWindow::WindowList(int kind) {
  const WindowListKind kinds[] = {WindowListKind::MainWindows, WindowListKind::Popups, WindowListKind::AllWithControls};
  WindowListCommand(hwnd_, kinds[kind < 0 || kind > 2 ? 0 : kind]);
}

void MainWindow::Options(int) {
  ShowOptionsSheet(hwnd_);
  // Colours, indents and grid lines may have changed either way.
  grid_.ReloadLook();
  grid_.Refresh();
}

// ---- Window

void MainWindow::SelectWindow(int number) {
  const int slot = number - 1;
  if (slot < 0 || slot >= kMaxSlots || workspace_.slots[static_cast<size_t>(slot)].is_free()) return;
  SwitchToSlot(workspace_, slot);
  ShowCurrentScript();
}

// ---- Help

void MainWindow::Help(int) { HelpCommand(hwnd_); }

void MainWindow::Shortcuts(int) {
  MessageBoxW(hwnd_, AnsiToWide(KeyboardShortcutsText()).c_str(), L"Zelomat Keyboard Shortcuts",
              MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

void MainWindow::StartupOptions(int) { StartupOptionsCommand(hwnd_); }
void MainWindow::CheckUpdates(int) { CheckForUpdatesCommand(hwnd_); }
void MainWindow::About(int) { AboutCommand(hwnd_); }

// ---- Start and end

void MainWindow::StartEditor(bool command_line_run) {
  if (hidden_) return;
  if (ReadSetting(setting::kShowSplash) != 0 && !command_line_run)
    ShowSplash(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), hwnd_, 2500);
  if (ReadSetting(setting::kRunAtLeastOnce) == 0) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::string error;
    // A refused association (no rights to the classes key) is no reason to
    // hold up the first start: the Options sheet can do it again.
    if (!RegisterFileAssociation(WideToAnsi(program), kAllVerbs, 1, &error)) SetStatusText(error);
  }
  AutomaticUpdateCheck(hwnd_);
}

void MainWindow::StoreWindowState() {
  for (int p = 0; p < PANE_COUNT; ++p) {
    const std::string path = SettingPath(setting::kPaneVisiblePattern, PaneName(p));
    const bool shown = PaneVisible(p);
    WriteSettingNumber(path, shown ? 1u : p == PANE_STATUSBAR ? 0xFFFFFFFFu : 255u);
  }
  actions_.SaveFolderStates();
  grid_.SaveColumns();
  WINDOWPLACEMENT wp = {};
  wp.length = sizeof wp;
  if (GetWindowPlacement(hwnd_, &wp)) {
    // The normal rectangle: a maximised or minimised window comes back where
    // it was before.
    WriteSettingNumber(setting::kWindowLeft, static_cast<uint32_t>(wp.rcNormalPosition.left));
    WriteSettingNumber(setting::kWindowTop, static_cast<uint32_t>(wp.rcNormalPosition.top));
    WriteSettingNumber(setting::kWindowRight, static_cast<uint32_t>(wp.rcNormalPosition.right));
    WriteSettingNumber(setting::kWindowBottom, static_cast<uint32_t>(wp.rcNormalPosition.bottom));
  }
  WriteSettingNumber(setting::kOnTop, on_top_ ? 1u : 0u);
}

void MainWindow::OnClose() {
  if (closing_) return;  // a close while the run is being ended
  closing_ = true;
  const bool stopped = run_.StopForClose();
  closing_ = false;
  // A run thread that could not be ended must not outlive the memory it
  // works on: the process ends here, with its exit code.
  if (!stopped) ExitProcess(static_cast<UINT>(ProcessExitCode()));
  if (!hidden_) {
    // Nobody answers a hidden run's questions, and its window was never
    // arranged by anyone: only a shown editor asks and remembers.
    if (!CloseAllScripts(workspace_, [this](Workspace&, int slot) { return SaveForClose(slot); })) {
      ShowCurrentScript();
      return;
    }
    StoreWindowState();
  }
  WriteSettingNumber(setting::kRunAtLeastOnce, static_cast<uint32_t>(ReadSetting(setting::kRunAtLeastOnce) + 1));
  // "ResetUserVariables": the variables go with the last instance that used them.
  RunSystem& system = run_.engine().system();
  if (ReadSetting(kResetUserVariablesSetting) != 0 && !system.OtherInstanceRunning()) system.DeleteAllUserVariables();
  DestroyWindow(hwnd_);
}

}  // namespace zelo
