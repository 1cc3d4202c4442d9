#include "ui/main_window_win.h"

#include <commctrl.h>

#include <cstdio>

#include "base/ansi_text_win.h"
#include "base/text.h"
#include "engine/exit_code.h"
#include "expr/variable_store.h"
#include "model/slots.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/main/glyphs_win.h"
#include "ui/main/menus_win.h"

namespace zelo {

namespace {

constexpr int kStatusId = 10;
constexpr int kTabsId = 11;
constexpr int kListId = 12;
constexpr int kOutputId = 13;
constexpr int kTabHeight = 24;
constexpr int kToolbarHeight = 28;
constexpr int kGap = 4;  // the splitters between the panes

// Runs a function on the window's thread for OnMainThread; lParam points to it.
constexpr UINT kMsgRunOnMainThread = WM_APP + 1;
// The system menu's "About Zelomat..." (system-menu ids are multiples of 16).
constexpr UINT kSysMenuAbout = 0x0010;

// The Output palette keeps the end of a long run's log (the log file has
// all of it): past kOutputMaxLines and a margin, its oldest lines go.
constexpr int kOutputMaxLines = 10000;
constexpr int kOutputTrimMargin = 1000;

constexpr const wchar_t* kPaneCaptions[PANE_COUNT] = {L"", L"", L"Actions", L"Properties", L"Output", L"Variables"};
constexpr int kPaneCommands[PANE_COUNT] = {CMD_SHOW_TOOLBAR,    CMD_SHOW_STATUSBAR, CMD_SHOW_ACTIONS,
                                           CMD_SHOW_PROPERTIES, CMD_SHOW_OUTPUT,    CMD_SHOW_VARIABLES};

enum Splitter { SPLIT_NONE, SPLIT_LEFT, SPLIT_RIGHT, SPLIT_BOTTOM, SPLIT_VARIABLES };

std::string PaneSetting(int pane) { return SettingPath(setting::kPaneVisiblePattern, PaneName(pane)); }

bool IsTextBoxClass(HWND h) {
  wchar_t cls[32] = {};
  GetClassNameW(h, cls, 32);
  return lstrcmpiW(cls, L"Edit") == 0 || lstrcmpiW(cls, L"ComboBox") == 0 || _wcsnicmp(cls, L"RichEdit", 8) == 0;
}

}  // namespace

MainWindow::MainWindow()
    : run_display_(kOutputMaxLines),
      seam_(this),
      workspace_(&seam_),
      properties_(workspace_),
      actions_(workspace_, [this] { return SelectedRows(); }),
      run_(*this, workspace_) {}

bool MainWindow::Create(HINSTANCE instance, const MainWindowPlacement& placement, bool hidden, int show) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                              ICC_PROGRESS_CLASS | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  hidden_ = hidden;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MainWindow::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
  wc.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&wc)) return false;
  accelerators_.reset(BuildAccelerators());
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = 1000, height = 700;
  if (placement.kind != PlacementKind::SystemDefault) {
    x = placement.rect.left;
    y = placement.rect.top;
    width = placement.rect.width();
    height = placement.rect.height();
  }
  hwnd_ = CreateWindowExW(0, kMainWindowClass, L"Zelomat", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width, height,
                          nullptr, BuildMenuBar(), instance, this);
  if (!hwnd_) return false;
  thread_id_ = GetCurrentThreadId();
  if (!CreateChildren()) return false;
  if (HMENU system = GetSystemMenu(hwnd_, FALSE)) {
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(system, MF_STRING, kSysMenuAbout, L"About Zelomat...");
  }
  SetRunningState(false);
  workspace_.slots[0].file_name = kUntitled;
  AddTab(0, kUntitled);
  SetTitle(std::string(kUntitled) + " - Zelomat");
  if (!hidden) {
    SetTimer(hwnd_, kRunDisplayTimerId, kRunDisplayMs, nullptr);
    SetTimer(hwnd_, kFiveSecondTimerId, 5000, nullptr);
    ShowWindow(hwnd_, show);
    UpdateWindow(hwnd_);
    SetOnTop(ReadSetting(setting::kOnTop) != 0);
    SetFocus(grid_.hwnd());
  }
  return true;
}

bool MainWindow::CreateChildren() {
  HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
  if (!status_.Create(hwnd_, kStatusId)) return false;
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, hwnd_,
                          reinterpret_cast<HMENU>(kTabsId), inst, nullptr);
  row_images_.reset(MakeRowImages());
  if (!tabs_ || !grid_.Create(hwnd_, kListId, row_images_.get(), &workspace_)) return false;
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  grid_.on_selection_changed = [this] {
    const std::vector<int> rows = SelectedRows();
    properties_.ShowStep(rows.empty() ? -1 : rows.front());
  };
  if (!CreatePanes()) return false;
  Layout();
  return true;
}

bool MainWindow::CreatePanes() {
  for (int p = 0; p < PANE_COUNT; ++p) {
    if (p == PANE_STATUSBAR) continue;
    if (!docks_[static_cast<size_t>(p)].Create(hwnd_, kPaneCaptions[p], kPaneCommands[p])) return false;
  }
  HWND toolbar_dock = docks_[PANE_TOOLBAR].hwnd();
  HIMAGELIST images = nullptr;
  toolbar_ = CreateMainToolbar(toolbar_dock, &images);
  toolbar_images_.reset(images);
  if (!toolbar_) return false;
  docks_[PANE_TOOLBAR].SetContent(toolbar_);

  HWND output_dock = docks_[PANE_OUTPUT].hwnd();
  output_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                            0, 0, 0, 0, output_dock, reinterpret_cast<HMENU>(kOutputId),
                            GetModuleHandleW(nullptr), nullptr);
  if (!output_) return false;
  // Beyond the default 32K characters; AppendOutput keeps it bounded.
  SendMessageW(output_, EM_SETLIMITTEXT, 0, 0);
  {
    const std::string face = ReadSettingText(setting::kOutputFont, 63);
    const int size = ReadSetting(setting::kOutputFontSize);
    WindowDC screen(nullptr);
    const int height = -MulDiv(size > 0 ? size : 8, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    const int weight = ReadSetting(setting::kOutputFontWeight);
    output_font_.reset(CreateFontW(height, 0, 0, 0, weight > 0 ? weight : FW_NORMAL,
                                   ReadSetting(setting::kOutputFontItalic) != 0, 0, 0,
                                   DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, FIXED_PITCH,
                                   AnsiToWide(face.empty() ? "Courier New" : face).c_str()));
    if (output_font_) SendMessageW(output_, WM_SETFONT, reinterpret_cast<WPARAM>(output_font_.get()), FALSE);
  }
  docks_[PANE_OUTPUT].SetContent(output_);

  if (!properties_.Create(docks_[PANE_PROPERTIES].hwnd()) || !actions_.Create(docks_[PANE_ACTIONS].hwnd()) ||
      !variables_.Create(docks_[PANE_VARIABLES].hwnd()))
    return false;
  docks_[PANE_PROPERTIES].SetContent(properties_.hwnd());
  docks_[PANE_ACTIONS].SetContent(actions_.hwnd());
  docks_[PANE_VARIABLES].SetContent(variables_.hwnd());

  // Stored visibility: 255 hides a palette, -1 the status bar; anything else
  // (nothing stored yet) shows it.
  for (int p = 0; p < PANE_COUNT; ++p) {
    const int32_t stored = ReadSetting(PaneSetting(p));
    const bool shown = p == PANE_STATUSBAR ? stored != -1 : stored != 255;
    ShowPane(p, shown);
  }
  return true;
}

void MainWindow::Layout() {
  if (!grid_.hwnd()) return;
  RECT rc;
  GetClientRect(hwnd_, &rc);
  status_.Resize();
  int top = 0, bottom = rc.bottom - status_.Height();
  if (PaneVisible(PANE_TOOLBAR)) {
    MoveWindow(docks_[PANE_TOOLBAR].hwnd(), 0, 0, rc.right, kToolbarHeight, TRUE);
    top = kToolbarHeight;
  }
  int left = 0, right = rc.right;
  // Keep the grid at least a little visible whatever the pane sizes say.
  const int usable_w = rc.right, usable_h = bottom - top;
  auto clamp = [](int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; };
  left_width_ = clamp(left_width_, 80, usable_w / 2 > 80 ? usable_w / 2 : 80);
  right_width_ = clamp(right_width_, 80, usable_w / 2 > 80 ? usable_w / 2 : 80);
  bottom_height_ = clamp(bottom_height_, 40, usable_h * 2 / 3 > 40 ? usable_h * 2 / 3 : 40);
  if (PaneVisible(PANE_ACTIONS)) {
    MoveWindow(docks_[PANE_ACTIONS].hwnd(), 0, top, left_width_, bottom - top, TRUE);
    left = left_width_ + kGap;
  }
  if (PaneVisible(PANE_PROPERTIES)) {
    MoveWindow(docks_[PANE_PROPERTIES].hwnd(), rc.right - right_width_, top, right_width_, bottom - top, TRUE);
    right = rc.right - right_width_ - kGap;
  }
  int grid_bottom = bottom;
  const bool output = PaneVisible(PANE_OUTPUT), variables = PaneVisible(PANE_VARIABLES);
  if (output || variables) {
    const int row_top = bottom - bottom_height_;
    grid_bottom = row_top - kGap;
    int split = right;
    if (output && variables) {
      variables_width_ = clamp(variables_width_, 80, (right - left) * 2 / 3 > 80 ? (right - left) * 2 / 3 : 80);
      split = right - variables_width_;
      MoveWindow(docks_[PANE_OUTPUT].hwnd(), left, row_top, split - kGap - left, bottom_height_, TRUE);
      MoveWindow(docks_[PANE_VARIABLES].hwnd(), split, row_top, right - split, bottom_height_, TRUE);
    } else {
      MoveWindow(docks_[output ? PANE_OUTPUT : PANE_VARIABLES].hwnd(), left, row_top, right - left, bottom_height_,
                 TRUE);
    }
  }
  MoveWindow(tabs_, left, top, right - left, kTabHeight, TRUE);
  const int grid_h = grid_bottom - top - kTabHeight;
  MoveWindow(grid_.hwnd(), left, top + kTabHeight, right - left, grid_h > 0 ? grid_h : 0, TRUE);
}

int MainWindow::SplitterAt(POINT pt) const {
  auto inside = [&](HWND a) {
    RECT r;
    GetWindowRect(a, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  if (PaneVisible(PANE_ACTIONS)) {
    const RECT r = inside(docks_[PANE_ACTIONS].hwnd());
    if (pt.x >= r.right && pt.x < r.right + kGap && pt.y >= r.top && pt.y < r.bottom) return SPLIT_LEFT;
  }
  if (PaneVisible(PANE_PROPERTIES)) {
    const RECT r = inside(docks_[PANE_PROPERTIES].hwnd());
    if (pt.x < r.left && pt.x >= r.left - kGap && pt.y >= r.top && pt.y < r.bottom) return SPLIT_RIGHT;
  }
  for (int pane : {PANE_OUTPUT, PANE_VARIABLES}) {
    if (!PaneVisible(pane)) continue;
    const RECT r = inside(docks_[static_cast<size_t>(pane)].hwnd());
    if (pt.y < r.top && pt.y >= r.top - kGap && pt.x >= r.left && pt.x < r.right) return SPLIT_BOTTOM;
    if (pane == PANE_VARIABLES && PaneVisible(PANE_OUTPUT) && pt.x < r.left && pt.x >= r.left - kGap &&
        pt.y >= r.top)
      return SPLIT_VARIABLES;
  }
  return SPLIT_NONE;
}

bool MainWindow::KeyBelongsToTextBox(const MSG& msg) const {
  const Accelerator key = KeyOfMessage(msg);
  if (!key.key || !IsTextEditingKey(key)) return false;
  HWND focus = GetFocus();
  return properties_.EditorHasFocus() || (focus && IsTextBoxClass(focus));
}

int MainWindow::RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // Accelerators belong to the main window and its panes only: a dialog
    // of the program keeps its own keys.
    const bool ours = msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd);
    if (ours && accelerators_ && !KeyBelongsToTextBox(msg) && TranslateAcceleratorW(hwnd_, accelerators_.get(), &msg))
      continue;
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
      Layout();
      return 0;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND:
      // A control's own notices (the output box's EN_ messages) are no commands.
      if (lp && HIWORD(wp) != BN_CLICKED && HIWORD(wp) != 0) break;
      OnCommand(LOWORD(wp));
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == kSysMenuAbout) {
        About(0);
        return 0;
      }
      break;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wp), {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case kMsgGridSelectionSettled:
      grid_.OnSelectionSettled();
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(hwnd_, &pt);
        const int s = SplitterAt(pt);
        if (s != SPLIT_NONE) {
          SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(s == SPLIT_BOTTOM ? 32645 : 32644)));  // SIZENS/SIZEWE
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN: {
      dragging_ = SplitterAt({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      if (dragging_) SetCapture(hwnd_);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_ && GetCapture() == hwnd_) {
        RECT rc;
        GetClientRect(hwnd_, &rc);
        const int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
        switch (dragging_) {
          case SPLIT_LEFT: left_width_ = x; break;
          case SPLIT_RIGHT: right_width_ = rc.right - x - kGap; break;
          case SPLIT_BOTTOM: bottom_height_ = rc.bottom - status_.Height() - y - kGap; break;
          case SPLIT_VARIABLES: {
            RECT v;
            GetWindowRect(docks_[PANE_VARIABLES].hwnd(), &v);
            MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&v), 2);
            variables_width_ = v.right - x;
            break;
          }
          default: break;
        }
        Layout();
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = 0;
        ReleaseCapture();
      }
      return 0;
    case WM_TIMER:
      if (wp == kRunDisplayTimerId) {
        ShowRunDisplay();
        return 0;
      }
      if (wp == kFiveSecondTimerId) {
        status_.ShowClock();
        if (PaneVisible(PANE_VARIABLES)) variables_.Reload();
        return 0;
      }
      if (wp == kStopTimerId) {
        KillTimer(hwnd_, kStopTimerId);
        SendMessageW(hwnd_, WM_COMMAND, CMD_PAUSE_FORCE, 0);
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

LRESULT MainWindow::OnNotify(NMHDR* hdr) {
  LRESULT result = 0;
  if (grid_.OnNotify(hdr, &result)) return result;
  if (hdr->hwndFrom == tabs_ && hdr->code == TCN_SELCHANGE) {
    const int tab = TabCtrl_GetCurSel(tabs_);
    if (tab >= 0 && tab != workspace_.current) {
      SwitchToSlot(workspace_, tab);
      ShowCurrentScript();
    }
    return 0;
  }
  if (hdr->code == TTN_GETDISPINFOW) {
    auto* tip = reinterpret_cast<NMTTDISPINFOW*>(hdr);
    const char* text = ToolbarTooltip(static_cast<int>(hdr->idFrom));
    if (text) {
      tooltip_ = AnsiToWide(text);
      tip->lpszText = tooltip_.data();
    }
    return 0;
  }
  return 0;
}

void MainWindow::OnInitMenuPopup(HMENU menu) {
  HMENU bar = GetMenu(hwnd_);
  // The Recent Files submenu: the first popup inside the File menu.
  HMENU file = GetSubMenu(bar, 0);
  for (int i = 0, n = GetMenuItemCount(file); i < n; ++i) {
    if (GetSubMenu(file, i) == menu) {
      FillRecentFilesMenu(menu);
      if (Running())
        for (int k = 0; k < 8; ++k) EnableMenuItem(menu, static_cast<UINT>(CMD_RECENT_FILE_1 + k), MF_BYCOMMAND | MF_GRAYED);
      return;
    }
  }
  if (menu == FindSubmenuOf(bar, CMD_CLOSE_ALL)) {
    std::vector<std::string> captions;
    for (int i = 0; i < kMaxSlots; ++i) {
      const ScriptSlot& s = workspace_.slots[static_cast<size_t>(i)];
      if (s.is_free()) break;
      captions.push_back(s.file_name.str());
    }
    FillWindowMenu(menu, captions);
    CheckMenuItem(menu, static_cast<UINT>(CMD_WINDOW_1 + workspace_.current), MF_BYCOMMAND | MF_CHECKED);
    return;
  }
  if (menu == FindSubmenuOf(bar, CMD_KEEP_ON_TOP)) {
    CheckMenuItem(menu, CMD_KEEP_ON_TOP, MF_BYCOMMAND | (on_top_ ? MF_CHECKED : MF_UNCHECKED));
    for (int p = 0; p < PANE_COUNT; ++p)
      CheckMenuItem(menu, static_cast<UINT>(kPaneCommands[p]), MF_BYCOMMAND | (PaneVisible(p) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void MainWindow::OnContextMenu(HWND from, POINT screen) {
  if (from == grid_.hwnd()) {
    const int command = grid_.TrackRowMenu(hwnd_, screen);
    if (command) OnCommand(command);
    return;
  }
  if (from == tabs_) {
    TCHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tabs_, &hit.pt);
    const int tab = TabCtrl_HitTest(tabs_, &hit);
    if (tab < 0) return;
    if (tab != workspace_.current) {
      SwitchToSlot(workspace_, tab);
      ShowCurrentScript();
    }
    OwnedMenu menu(CreatePopupMenu());
    if (!menu) return;
    const UINT flags = Running() ? MF_STRING | MF_GRAYED : MF_STRING;
    AppendMenuW(menu.get(), flags, CMD_TAB_CLOSE, L"&Close Tab");
    AppendMenuW(menu.get(), flags, CMD_TAB_SAVE, L"&Save File");
    const int command = static_cast<int>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr));
    if (command) OnCommand(command);
  }
}

bool MainWindow::PaneVisible(int pane) const {
  if (pane == PANE_STATUSBAR) return statusbar_visible_;
  return pane >= 0 && pane < PANE_COUNT && docks_[static_cast<size_t>(pane)].hwnd() &&
         docks_[static_cast<size_t>(pane)].visible();
}

void MainWindow::ShowPane(int pane, bool visible) {
  if (pane == PANE_STATUSBAR) {
    statusbar_visible_ = visible;
    ShowWindow(status_.hwnd(), visible ? SW_SHOW : SW_HIDE);
  } else if (pane >= 0 && pane < PANE_COUNT) {
    docks_[static_cast<size_t>(pane)].SetVisible(visible);
  }
  Layout();
}

void MainWindow::SetOnTop(bool on) {
  on_top_ = on;
  SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (toolbar_) SendMessageW(toolbar_, TB_CHECKBUTTON, CMD_KEEP_ON_TOP, on);
}

bool MainWindow::OnMainThread(const std::function<void()>& fn) {
  if (!hwnd_) return false;
  if (GetWindowThreadProcessId(hwnd_, nullptr) == GetCurrentThreadId()) {
    fn();
    return true;
  }
  return SendMessageW(hwnd_, kMsgRunOnMainThread, 0, reinterpret_cast<LPARAM>(&fn)) != 0;
}

void MainWindow::SetStatusText(std::string_view text) { SetStatusPart(0, text); }
void MainWindow::SetStatusPart(int part, std::string_view text) { status_.SetPart(part, text); }
void MainWindow::ShowProgress(bool visible) { status_.ShowProgress(visible); }
void MainWindow::SetProgress(int percent) { status_.SetProgress(percent); }

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
  grid_.Refresh();  // a row added by the command that selects it must exist first
  grid_.SelectRows(rows);
}

std::vector<int> MainWindow::SelectedRows() const { return grid_.SelectedRows(); }

void MainWindow::RefreshList() {
  grid_.Refresh();
  properties_.Refresh();
}

void MainWindow::SetUndoState(bool enabled, std::string_view menu_text) {
  HMENU menu = GetMenu(hwnd_);
  if (menu) {
    const std::wstring text = AnsiToWide(menu_text.empty() ? std::string_view("&Undo\tCtrl+Z") : menu_text);
    ModifyMenuW(menu, CMD_UNDO, MF_BYCOMMAND | MF_STRING | (enabled && !running_ ? MF_ENABLED : MF_GRAYED), CMD_UNDO,
                text.c_str());
  }
  if (toolbar_) SendMessageW(toolbar_, TB_ENABLEBUTTON, CMD_UNDO, enabled && !running_);
}

void MainWindow::ClearPropertySheet() { properties_.ShowStep(-1); }

void MainWindow::ShowCurrentScript() {
  grid_.Refresh();
  const std::vector<int> rows = SelectedRows();
  properties_.ShowStep(rows.empty() ? -1 : rows.front());
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
  // The run reports its step only while "HiliteRunningStep" is on.
  if (shown.step >= 0 && shown.slot == workspace_.current && SelectedRows() != std::vector<int>{shown.step})
    SelectRows({shown.step});
}

}  // namespace zelo
