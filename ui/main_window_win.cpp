#include "ui/main_window_win.h"

#include <commctrl.h>

#include <cstdio>

#include "base/text.h"
#include "base/ansi_text_win.h"
#include "engine/exit_code.h"
#include "expr/variable_store.h"
#include "settings/settings.h"
#include "settings/setting_names.h"
#include "ui/dialogs/editor_dialogs_win.h"
#include "ui/palettes/actions_palette_win.h"
#include "ui/palettes/variables_palette_win.h"

namespace zelo {

namespace {

constexpr int kStatusId = 10;
constexpr int kTabsId = 11;
constexpr int kListId = 12;
constexpr int kOutputId = 13;
constexpr int kOutputHeight = 120;

// Runs a function on the window's thread for OnMainThread; lParam points to it.
constexpr UINT kMsgRunOnMainThread = WM_APP + 1;

// The Output palette keeps the end of a long run's log (the log file has
// all of it): past kOutputMaxLines and a margin, its oldest lines go.
constexpr int kOutputMaxLines = 10000;
constexpr int kOutputTrimMargin = 1000;

// Commands disabled while a run is active (Pause is the other way round).
constexpr int kEditingCommands[] = {CMD_NEW,  CMD_OPEN, CMD_SAVE,          CMD_SAVE_AS,
                                    CMD_CLOSE, CMD_RUN, CMD_RUN_FROM_HERE, CMD_RUN_SINGLE_STEP};
}  // namespace

// --- dialogs hosting (temporary, until the new main window lands) ---
// The Actions and Variables palettes beside the grid and the commands of the
// editor's dialogs, so that they can be tried in the real program. The new
// main window replaces all of this with its command table and docking.
enum HostedCommand : int {
  HOST_FIND = 900, HOST_FIND_NEXT, HOST_FIND_PREVIOUS, HOST_GO_TO_STEP, HOST_VIEW_XML, HOST_CUSTOM_TAGS,
  HOST_FILE_PROPERTIES, HOST_OPEN_LOGFILE, HOST_MAIN_WINDOWS, HOST_POPUPS, HOST_ALL_WINDOWS, HOST_HELP,
  HOST_STARTUP_OPTIONS, HOST_ABOUT, HOST_NEW_STEP, HOST_COLLAPSE_TREE, HOST_EXPAND_TREE,
};
constexpr UINT_PTR kVariablesTimerId = 900;
constexpr int kPaletteWidth = 230;

struct DialogsHosting {
  ActionsPalette actions;
  VariablesPalette variables;
  DialogsHosting(Workspace& ws, std::function<std::vector<int>()> rows) : actions(ws, std::move(rows)) {}

  static void AppendMenus(HMENU bar) {
    HMENU edit = CreatePopupMenu();
    AppendMenuW(edit, MF_STRING, HOST_FIND, L"&Find...\tCtrl+F");
    AppendMenuW(edit, MF_STRING, HOST_FIND_NEXT, L"Find Ne&xt\tF3");
    AppendMenuW(edit, MF_STRING, HOST_FIND_PREVIOUS, L"Find Pre&vious\tShift+F3");
    AppendMenuW(edit, MF_STRING, HOST_GO_TO_STEP, L"&Go to Step...\tCtrl+G");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(edit, MF_STRING, HOST_CUSTOM_TAGS, L"Custom XML &Tags");
    AppendMenuW(edit, MF_STRING, HOST_FILE_PROPERTIES, L"Propert&ies");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    HMENU step = CreatePopupMenu();
    AppendMenuW(step, MF_STRING, HOST_NEW_STEP, L"&New");
    AppendMenuW(step, MF_STRING, HOST_VIEW_XML, L"View &XML");
    AppendMenuW(step, MF_STRING, HOST_COLLAPSE_TREE, L"&Collapse Actions Tree");
    AppendMenuW(step, MF_STRING, HOST_EXPAND_TREE, L"E&xpand Actions Tree");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(step), L"&Step");
    HMENU tools = CreatePopupMenu();
    AppendMenuW(tools, MF_STRING, HOST_OPEN_LOGFILE, L"Open &Logfile");
    AppendMenuW(tools, MF_STRING, HOST_MAIN_WINDOWS, L"Display &Main Program Windows");
    AppendMenuW(tools, MF_STRING, HOST_POPUPS, L"Display &Popup Windows");
    AppendMenuW(tools, MF_STRING, HOST_ALL_WINDOWS, L"Display All &Windows && Controls");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(tools), L"&Tools");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, HOST_HELP, L"&Help Reference\tF1");
    AppendMenuW(help, MF_STRING, HOST_STARTUP_OPTIONS, L"Startup &Options");
    AppendMenuW(help, MF_STRING, HOST_ABOUT, L"&About Zelomat");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"&Help");
  }
  static void AddAccelerators(std::vector<ACCEL>& keys) {
    keys.push_back({FVIRTKEY | FCONTROL, 'F', HOST_FIND});
    keys.push_back({FVIRTKEY, VK_F3, HOST_FIND_NEXT});
    keys.push_back({FVIRTKEY | FSHIFT, VK_F3, HOST_FIND_PREVIOUS});
    keys.push_back({FVIRTKEY | FCONTROL, 'G', HOST_GO_TO_STEP});
    keys.push_back({FVIRTKEY, VK_F1, HOST_HELP});
  }
  bool Create(HWND main) {
    if (!actions.Create(main) || !variables.Create(main)) return false;
    SetTimer(main, kVariablesTimerId, 5000, nullptr);
    return true;
  }
  // The palettes take a column on the left; returns its width.
  int Layout(int height) {
    MoveWindow(actions.hwnd(), 0, 0, kPaletteWidth, height * 2 / 3, TRUE);
    MoveWindow(variables.hwnd(), 0, height * 2 / 3, kPaletteWidth, height - height * 2 / 3, TRUE);
    return kPaletteWidth;
  }
  bool OnCommand(HWND main, Workspace& ws, int command, const std::vector<int>& rows) {
    switch (command) {
      case HOST_FIND: FindCommand(main, ws, FindHow::Dialog, rows); return true;
      case HOST_FIND_NEXT: FindCommand(main, ws, FindHow::Next, rows); return true;
      case HOST_FIND_PREVIOUS: FindCommand(main, ws, FindHow::Previous, rows); return true;
      case HOST_GO_TO_STEP: GoToStepCommand(main, ws); return true;
      case HOST_VIEW_XML: ViewXmlCommand(main, ws, rows); return true;
      case HOST_CUSTOM_TAGS: CustomXmlTagsCommand(main, ws); return true;
      case HOST_FILE_PROPERTIES: FilePropertiesCommand(main, ws); return true;
      case HOST_OPEN_LOGFILE: OpenLogfileCommand(main); return true;
      case HOST_MAIN_WINDOWS: WindowListCommand(main, WindowListKind::MainWindows); return true;
      case HOST_POPUPS: WindowListCommand(main, WindowListKind::Popups); return true;
      case HOST_ALL_WINDOWS: WindowListCommand(main, WindowListKind::AllWithControls); return true;
      case HOST_HELP: HelpCommand(main); return true;
      case HOST_STARTUP_OPTIONS: StartupOptionsCommand(main); return true;
      case HOST_ABOUT: AboutCommand(main); return true;
      case HOST_NEW_STEP:
        actions.ShowHint("\n    To add a new step, drag or double-click    \n    an action in the Actions tree \n", 3000);
        return true;
      case HOST_COLLAPSE_TREE: actions.SetAllExpanded(false); return true;
      case HOST_EXPAND_TREE: actions.SetAllExpanded(true); return true;
      default: return false;
    }
  }
};
// --- end of dialogs hosting ---

namespace {

HMENU BuildMenu() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, CMD_NEW, L"&New\tCtrl+N");
  AppendMenuW(file, MF_STRING, CMD_OPEN, L"&Open...\tCtrl+O");
  AppendMenuW(file, MF_STRING, CMD_SAVE, L"&Save\tCtrl+S");
  AppendMenuW(file, MF_STRING, CMD_SAVE_AS, L"Save &As...");
  AppendMenuW(file, MF_STRING, CMD_CLOSE, L"&Close");
  AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(file, MF_STRING, CMD_EXIT, L"E&xit");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
  HMENU run = CreatePopupMenu();
  AppendMenuW(run, MF_STRING, CMD_RUN, L"&Run\tF5");
  AppendMenuW(run, MF_STRING, CMD_RUN_FROM_HERE, L"Run From &Here\tF6");
  AppendMenuW(run, MF_STRING, CMD_RUN_SINGLE_STEP, L"Run &Single Step\tF7");
  AppendMenuW(run, MF_STRING, CMD_PAUSE, L"&Pause");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(run), L"&Run");
  DialogsHosting::AppendMenus(bar);  // dialogs hosting (temporary)
  return bar;
}

HACCEL BuildAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'N', CMD_NEW},           {FVIRTKEY | FCONTROL, 'O', CMD_OPEN},
      {FVIRTKEY | FCONTROL, 'S', CMD_SAVE},          {FVIRTKEY, VK_F5, CMD_RUN},
      {FVIRTKEY, VK_F6, CMD_RUN_FROM_HERE},          {FVIRTKEY, VK_F7, CMD_RUN_SINGLE_STEP},
      {FVIRTKEY | FCONTROL, VK_PAUSE, CMD_PAUSE_FORCE},
  };
  std::vector<ACCEL> all(std::begin(keys), std::end(keys));
  DialogsHosting::AddAccelerators(all);  // dialogs hosting (temporary)
  return CreateAcceleratorTableW(all.data(), static_cast<int>(all.size()));
}

// The text a grid row shows for a step: the comment of a "Comment" step, else
// its text, on one line.
std::string RowDetails(const StepRecord& s) {
  std::string t = EqualsNoCase(s.action, "Comment") ? s.comment.str() : s.text.str();
  for (char& c : t)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return t;
}


}  // namespace

MainWindow::MainWindow()
    : run_display_(kOutputMaxLines), seam_(this), workspace_(&seam_), run_(*this, workspace_) {}

MainWindow::~MainWindow() = default;

bool MainWindow::Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MainWindow::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&wc)) return false;
  accelerators_.reset(BuildAccelerators());
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 900, height = 640;
  if (placement.kind != PlacementKind::SystemDefault) {
    x = placement.rect.left;
    y = placement.rect.top;
    width = placement.rect.width();
    height = placement.rect.height();
  }
  hwnd_ = CreateWindowExW(0, kMainWindowClass, L"Zelomat", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width, height,
                          nullptr, BuildMenu(), instance, this);
  if (!hwnd_) return false;
  thread_id_ = GetCurrentThreadId();
  if (!CreateChildren()) return false;
  SetRunningState(false);
  workspace_.slots[0].file_name = kUntitled;
  AddTab(0, kUntitled);
  SetTitle(std::string(kUntitled) + " - Zelomat");
  if (!hidden) {
    SetTimer(hwnd_, kRunDisplayTimerId, kRunDisplayMs, nullptr);
    ShowWindow(hwnd_, show);
    UpdateWindow(hwnd_);
  }
  return true;
}

bool MainWindow::CreateChildren() {
  HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd_,
                            reinterpret_cast<HMENU>(kStatusId), inst, nullptr);
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd_,
                          reinterpret_cast<HMENU>(kTabsId), inst, nullptr);
  // A virtual list: the rows are read from the step array when drawn, so a
  // script of fifty thousand steps shows at once.
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0, 0, 0, hwnd_,
                          reinterpret_cast<HMENU>(kListId), inst, nullptr);
  output_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 0,
                            0, hwnd_, reinterpret_cast<HMENU>(kOutputId), inst, nullptr);
  if (!status_ || !tabs_ || !list_ || !output_) return false;
  // Beyond the default 32K characters; AppendOutput keeps it bounded.
  SendMessageW(output_, EM_SETLIMITTEXT, 0, 0);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  struct Column {
    const wchar_t* title;
    int width;
  } columns[] = {{L"Step", 50}, {L"Action", 200}, {L"Details", 400}, {L"On Failure", 180}};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNW c = {};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.pszText = const_cast<wchar_t*>(columns[i].title);
    c.cx = columns[i].width;
    ListView_InsertColumn(list_, i, &c);
  }
  // dialogs hosting (temporary)
  dialogs_ = std::make_unique<DialogsHosting>(workspace_, [this] { return SelectedRows(); });
  if (!dialogs_->Create(hwnd_)) return false;
  Layout();
  return true;
}

void MainWindow::Layout() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  SendMessageW(status_, WM_SIZE, 0, 0);
  RECT sr;
  GetWindowRect(status_, &sr);
  int status_h = sr.bottom - sr.top;
  int w = rc.right, h = rc.bottom - status_h;
  int tab_h = 26;
  int out_h = h > 3 * kOutputHeight ? kOutputHeight : h / 4;
  const int left = dialogs_ ? dialogs_->Layout(h) : 0;  // dialogs hosting (temporary)
  w -= left;
  MoveWindow(tabs_, left, 0, w, tab_h, TRUE);
  MoveWindow(list_, left, tab_h, w, h - tab_h - out_h, TRUE);
  MoveWindow(output_, left, h - out_h, w, out_h, TRUE);
}

int MainWindow::RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_.get(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    reinterpret_cast<MainWindow*>(cs->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self) return self->Handle(msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (list_) Layout();
      return 0;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->hwndFrom == list_ && hdr->code == LVN_GETDISPINFOW) {
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW*>(lp));
        return 0;
      }
      break;
    }
    case WM_COMMAND:
      if (OnCommand(LOWORD(wp))) return 0;
      break;
    case WM_TIMER:
      if (wp == kRunDisplayTimerId) {
        ShowRunDisplay();
        return 0;
      }
      if (wp == kStopTimerId) {
        KillTimer(hwnd_, kStopTimerId);
        SendMessageW(hwnd_, WM_COMMAND, CMD_PAUSE_FORCE, 0);
        return 0;
      }
      if (wp == kVariablesTimerId && dialogs_) {  // dialogs hosting (temporary)
        dialogs_->variables.Reload();
        return 0;
      }
      break;
    case kMsgRunOnMainThread:
      (*reinterpret_cast<const std::function<void()>*>(lp))();
      return 1;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

bool MainWindow::OnCommand(int command) {
  RunEngine& engine = run_.engine();
  const int slot = workspace_.current;
  switch (command) {
    case CMD_RUN: engine.StartRun(slot, RunCommand::Run, true); return true;
    case CMD_RUN_FROM_HERE: engine.StartRun(slot, RunCommand::RunFromHere, true); return true;
    case CMD_RUN_SINGLE_STEP: engine.StartRun(slot, RunCommand::RunSingleStep, true); return true;
    case CMD_PAUSE:
      if (engine.RunActive()) engine.StopRun(slot, StopHow::PauseCommand);
      return true;
    case CMD_PAUSE_FORCE: engine.StopRun(slot, StopHow::PauseConfirm); return true;
    case CMD_EXIT: OnClose(); return true;
    default:
      // dialogs hosting (temporary): editing commands wait for the end of a run
      return dialogs_ && !engine.RunActive() && dialogs_->OnCommand(hwnd_, workspace_, command, SelectedRows());
  }
}

void MainWindow::OnClose() {
  if (closing_) return;  // a close while the run is being ended
  closing_ = true;
  const bool stopped = run_.StopForClose();
  closing_ = false;
  // A run thread that could not be ended must not outlive the memory it
  // works on: the process ends here, with its exit code.
  if (!stopped) ExitProcess(static_cast<UINT>(ProcessExitCode()));
  // "ResetUserVariables": the variables go with the last instance that used them.
  RunSystem& system = run_.engine().system();
  if (ReadSetting(kResetUserVariablesSetting) != 0 && !system.OtherInstanceRunning()) system.DeleteAllUserVariables();
  if (dialogs_) dialogs_->actions.SaveFolderStates();  // dialogs hosting (temporary)
  DestroyWindow(hwnd_);
}

bool MainWindow::OnMainThread(const std::function<void()>& fn) {
  if (!hwnd_) return false;
  if (GetWindowThreadProcessId(hwnd_, nullptr) == GetCurrentThreadId()) {
    fn();
    return true;
  }
  return SendMessageW(hwnd_, kMsgRunOnMainThread, 0, reinterpret_cast<LPARAM>(&fn)) != 0;
}

void MainWindow::SetRunningState(bool running) {
  HMENU menu = GetMenu(hwnd_);
  if (!menu) return;
  for (int command : kEditingCommands)
    EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (running ? MF_GRAYED : MF_ENABLED));
  EnableMenuItem(menu, CMD_PAUSE, MF_BYCOMMAND | (running ? MF_ENABLED : MF_GRAYED));
  if (dialogs_) dialogs_->actions.SetRunning(running);  // dialogs hosting (temporary)
}

void MainWindow::OnGetDispInfo(NMLVDISPINFOW* info) {
  if (!(info->item.mask & LVIF_TEXT)) return;
  ScriptSlot& slot = workspace_.current_slot();
  int row = info->item.iItem;
  if (row < 0 || row >= slot.step_count) return;
  const StepRecord& s = slot.steps[static_cast<size_t>(row)];
  std::string text;
  switch (info->item.iSubItem) {
    case 0: text = std::to_string(row + 1); break;
    case 1: text = std::string(s.indents * 2, ' ') + s.action.str(); break;
    case 2: text = RowDetails(s); break;
    case 3: text = s.onfail.str(); break;
  }
  cell_ = AnsiToWide(text);
  lstrcpynW(info->item.pszText, cell_.c_str(), info->item.cchTextMax);
}

void MainWindow::SetStatusText(std::string_view text) { SetStatusPart(0, text); }

void MainWindow::SetStatusPart(int part, std::string_view text) {
  if (status_ && part >= 0)
    SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(AnsiToWide(text).c_str()));
}

void MainWindow::SetTitle(std::string_view title) { SetWindowTextW(hwnd_, AnsiToWide(title).c_str()); }

void MainWindow::AddTab(int slot, std::string_view text) {
  std::wstring w = AnsiToWide(text);
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = w.data();
  TabCtrl_InsertItem(tabs_, slot, &item);
}

void MainWindow::SetTabText(int slot, std::string_view text) {
  std::wstring w = AnsiToWide(text);
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = w.data();
  TabCtrl_SetItem(tabs_, slot, &item);
}

void MainWindow::RemoveTab(int slot) { TabCtrl_DeleteItem(tabs_, slot); }
void MainWindow::SelectTab(int slot) { TabCtrl_SetCurSel(tabs_, slot); }

void MainWindow::SelectRows(const std::vector<int>& rows) {
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (int r : rows) ListView_SetItemState(list_, r, LVIS_SELECTED, LVIS_SELECTED);
  if (!rows.empty()) {
    ListView_SetItemState(list_, rows.front(), LVIS_FOCUSED, LVIS_FOCUSED);
    ListView_EnsureVisible(list_, rows.front(), FALSE);
  }
}

std::vector<int> MainWindow::SelectedRows() const {
  std::vector<int> rows;
  for (int i = ListView_GetNextItem(list_, -1, LVNI_SELECTED); i >= 0; i = ListView_GetNextItem(list_, i, LVNI_SELECTED))
    rows.push_back(i);
  return rows;
}

void MainWindow::RefreshList() {
  ListView_SetItemCountEx(list_, workspace_.current_slot().step_count, LVSICF_NOSCROLL);
  InvalidateRect(list_, nullptr, TRUE);
}

void MainWindow::AppendOutput(std::string_view text) {
  if (!output_ || text.empty()) return;
  const std::wstring w = AnsiToWide(text);
  // Appended at the end: the text already there is never set again.
  const int len = GetWindowTextLengthW(output_);
  SendMessageW(output_, EM_SETSEL, len, len);
  SendMessageW(output_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(w.c_str()));
  const int lines = static_cast<int>(SendMessageW(output_, EM_GETLINECOUNT, 0, 0));
  if (lines > kOutputMaxLines + kOutputTrimMargin) {
    const LRESULT cut = SendMessageW(output_, EM_LINEINDEX, static_cast<WPARAM>(lines - kOutputMaxLines), 0);
    if (cut > 0) {
      SendMessageW(output_, EM_SETSEL, 0, cut);
      SendMessageW(output_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
      const int end = GetWindowTextLengthW(output_);
      SendMessageW(output_, EM_SETSEL, end, end);
    }
  }
  SendMessageW(output_, EM_SCROLLCARET, 0, 0);
}

void MainWindow::ShowRunDisplay() {
  RunDisplay::Shown shown = run_display_.Take();
  if (shown.replace_all && output_) SetWindowTextW(output_, L"");
  AppendOutput(shown.lines);
  for (int part = 0; part < RunDisplay::kStatusParts; ++part)
    if (shown.status[static_cast<std::size_t>(part)]) SetStatusPart(part, *shown.status[static_cast<std::size_t>(part)]);
  if (shown.step >= 0 && shown.slot == workspace_.current && SelectedRows() != std::vector<int>{shown.step})
    SelectRows({shown.step});
}

}  // namespace zelo
