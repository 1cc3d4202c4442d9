#include "ui/properties/picking_tools_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "actions/screen/image_search.h"
#include "actions/shared/screen_capture_win.h"
#include "actions/windows/window_lookup.h"
#include "actions/windows/window_spec.h"
#include "base/ansi_text_win.h"
#include "ui/properties/picked_values.h"

namespace zelo {

namespace {

constexpr wchar_t kPreviewClass[] = L"ZeloImagePreview";
constexpr wchar_t kOverlayClass[] = L"ZeloCaptureOverlay";
// A pointer that barely moved between press and release is a click on a
// window, not a region.
constexpr int kDragSlop = 4;

bool FileDialog(HWND owner, const std::string& current, const wchar_t* filter, const wchar_t* title, bool save,
                const wchar_t* extension, std::string* chosen) {
  std::wstring name = AnsiToWide(current);
  name.resize(std::max<std::size_t>(name.size() + 1, 32768), L'\0');
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrTitle = title;
  ofn.lpstrDefExt = extension;
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_LONGNAMES | OFN_EXPLORER |
              (save ? OFN_OVERWRITEPROMPT : 0);
  if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return false;
  *chosen = WideToAnsi(name.c_str());
  return true;
}

// The folder dialog starts in the row's folder.
int CALLBACK StartInFolder(HWND dialog, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

struct PreviewImage {
  BitmapPixels pixels;
  BITMAPINFO info = {};
};

LRESULT CALLBACK PreviewProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* image = reinterpret_cast<PreviewImage*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_PAINT: {
      PaintDC dc(hwnd);
      if (image) {
        const BitmapPixels& p = image->pixels;
        // Transparent pixels keep their colour; the marker bit is not drawn.
        StretchDIBits(dc.get(), 0, 0, p.width, p.height, 0, 0, p.width, p.height, p.pixels.data(), &image->info,
                      DIB_RGB_COLORS, SRCCOPY);
      }
      return 0;
    }
    // The palette owns the window and destroys it; a user only hides it.
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE) ShowWindow(hwnd, SW_HIDE);
      return 0;
    case WM_LBUTTONUP:
    case WM_CLOSE: ShowWindow(hwnd, SW_HIDE); return 0;
    case WM_NCDESTROY:
      delete image;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool RegisterOnce(const wchar_t* name, WNDPROC proc, int cursor) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, name, &wc)) return true;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(cursor));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

// The region pick: a dimmed window over the whole screen takes the clicks,
// since a capture of the mouse alone would not see clicks on other programs.
struct RegionPick {
  bool done = false;
  bool ok = false;
  bool dragging = false;
  POINT from = {}, to = {};
  POINT origin = {};  // the overlay's top-left corner on the screen
};

LRESULT CALLBACK OverlayProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* pick = reinterpret_cast<RegionPick*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!pick) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      pick->dragging = true;
      GetCursorPos(&pick->from);
      pick->to = pick->from;
      return 0;
    case WM_MOUSEMOVE:
      if (pick->dragging) {
        GetCursorPos(&pick->to);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONUP:
      if (pick->dragging) {
        GetCursorPos(&pick->to);
        pick->ok = pick->done = true;
        ReleaseCapture();
      }
      return 0;
    case WM_RBUTTONUP: pick->done = true; return 0;
    case WM_KEYDOWN:
      if (wp == VK_ESCAPE) pick->done = true;
      return 0;
    case WM_CAPTURECHANGED:
      if (pick->dragging && !pick->ok) pick->done = true;  // another window took the mouse
      return 0;
    case WM_PAINT: {
      PaintDC dc(hwnd);
      RECT all;
      GetClientRect(hwnd, &all);
      FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      if (pick->dragging) {
        RECT r = {std::min(pick->from.x, pick->to.x) - pick->origin.x, std::min(pick->from.y, pick->to.y) - pick->origin.y,
                  std::max(pick->from.x, pick->to.x) - pick->origin.x + 1,
                  std::max(pick->from.y, pick->to.y) - pick->origin.y + 1};
        FrameRect(dc.get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      }
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

bool PickScreenRegion(POINT* from, POINT* to) {
  if (!RegisterOnce(kOverlayClass, &OverlayProc, 32515)) return false;  // IDC_CROSS
  RegionPick pick;
  pick.origin = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
  OwnedWindow overlay(CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW, kOverlayClass, L"", WS_POPUP,
                                      pick.origin.x, pick.origin.y, GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                      GetSystemMetrics(SM_CYVIRTUALSCREEN), nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
  if (!overlay) return false;
  SetWindowLongPtrW(overlay.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&pick));
  SetLayeredWindowAttributes(overlay.get(), 0, 80, LWA_ALPHA);
  ShowWindow(overlay.get(), SW_SHOW);
  SetForegroundWindow(overlay.get());
  SetFocus(overlay.get());
  MSG msg;
  while (!pick.done) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // the program is closing: pass it on
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  SetWindowLongPtrW(overlay.get(), GWLP_USERDATA, 0);
  overlay.reset();
  if (!pick.ok) return false;
  *from = pick.from;
  *to = pick.to;
  // The programs under the overlay draw themselves again before the capture.
  RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(100);
  return true;
}

bool ChooseFile(HWND owner, const std::string& current, bool images, std::string* chosen) {
  const wchar_t* filter = images ? L"Images (*.bmp;*.png)\0*.bmp;*.png\0All Files (*.*)\0*.*\0"
                                 : L"All Files (*.*)\0*.*\0";
  return FileDialog(owner, current, filter, kChooseFileTip, false, nullptr, chosen);
}

bool ChooseCaptureFile(HWND owner, const std::string& current, std::string* chosen) {
  return FileDialog(owner, current, L"Bitmap Files (*.bmp)\0*.bmp\0", kCaptureTip, true, L"bmp", chosen);
}

bool ChooseFolder(HWND owner, const std::string& current, std::string* chosen) {
  const ComInit com;
  const std::wstring start = AnsiToWide(current);
  BROWSEINFOW bi = {};
  bi.hwndOwner = owner;
  bi.lpszTitle = kChooseFolderTip;
  bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  bi.lpfn = &StartInFolder;
  bi.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  const CoTaskMemory<ITEMIDLIST> list(SHBrowseForFolderW(&bi));
  if (!list) return false;
  wchar_t path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(list.get(), path)) return false;
  *chosen = WideToAnsi(path);
  return true;
}

std::string PickWindowSpec(POINT screen, std::string_view options, bool control) {
  HWND window = WindowFromPoint(screen);
  if (!window) return {};
  // A title-only spec names a program's window; the other criteria name a control.
  const uint32_t flags = SearchFlagsFromOptions(options) & kSearchCriteria;
  if (!control && (flags == 0 || flags == SEARCH_TITLE)) window = GetAncestor(window, GA_ROOT);
  return DescribeWindowForSpec(SystemWindowTree(), reinterpret_cast<WindowHandle>(window), options);
}

POINT PointInWindow(POINT screen) {
  HWND window = WindowFromPoint(screen);
  RECT box = {};
  if (window && GetWindowRect(GetAncestor(window, GA_ROOT), &box)) return {screen.x - box.left, screen.y - box.top};
  return screen;
}

std::string PickColorText(POINT screen) {
  WindowDC dc(nullptr);
  const COLORREF color = GetPixel(dc.get(), screen.x, screen.y);
  return PickedColorText(color == CLR_INVALID ? 0 : color);
}

bool CaptureToImageFile(POINT from, POINT to, const std::string& file) {
  if (std::abs(to.x - from.x) <= kDragSlop && std::abs(to.y - from.y) <= kDragSlop) {
    HWND window = WindowFromPoint(from);
    if (!window) return false;
    return CaptureToBitmapFile(GetAncestor(window, GA_ROOT), nullptr, file) == 1;
  }
  const RECT rect = {from.x, from.y, to.x, to.y};
  return CaptureToBitmapFile(nullptr, &rect, file) == 1;
}

bool PreviewImageFile(HWND owner, const std::string& file, OwnedWindow* preview, std::string* error) {
  auto image = std::make_unique<PreviewImage>();
  *error = LoadSearchImage(file, &image->pixels);
  if (!error->empty()) return false;
  BITMAPINFOHEADER& h = image->info.bmiHeader;
  h.biSize = sizeof h;
  h.biWidth = image->pixels.width;
  h.biHeight = -image->pixels.height;  // rows top to bottom
  h.biPlanes = 1;
  h.biBitCount = 32;
  h.biCompression = BI_RGB;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterOnce(kPreviewClass, &PreviewProc, 32512)) {  // IDC_ARROW
    *error = "Unable to show the image";
    return false;
  }
  RECT box = {0, 0, image->pixels.width, image->pixels.height};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  AdjustWindowRectEx(&box, style, FALSE, WS_EX_TOOLWINDOW);
  const int width = std::min<int>(box.right - box.left, GetSystemMetrics(SM_CXSCREEN));
  const int height = std::min<int>(box.bottom - box.top, GetSystemMetrics(SM_CYSCREEN));
  POINT at;
  GetCursorPos(&at);
  preview->reset(CreateWindowExW(WS_EX_TOOLWINDOW, kPreviewClass, AnsiToWide(file).c_str(), style & ~WS_VISIBLE,
                                 std::max<LONG>(0, at.x - width), std::max<LONG>(0, at.y - height / 2), width, height, owner,
                                 nullptr, instance, nullptr));
  if (!*preview) {
    *error = "Unable to show the image";
    return false;
  }
  SetWindowLongPtrW(preview->get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(image.release()));
  ShowWindow(preview->get(), SW_SHOW);
  return true;
}

}  // namespace zelo
