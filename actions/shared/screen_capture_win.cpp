#include "actions/shared/screen_capture_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "actions/shared/bitmap_file.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

RECT CaptureRect(HWND window, const RECT* rect) {
  RECT r{};
  if (window) {
    GetWindowRect(window, &r);
  } else if (rect) {
    r.left = std::min(rect->left, rect->right);
    r.right = std::max(rect->left, rect->right);
    r.top = std::min(rect->top, rect->bottom);
    r.bottom = std::max(rect->top, rect->bottom);
  } else {
    r.right = GetSystemMetrics(SM_CXSCREEN);
    r.bottom = GetSystemMetrics(SM_CYSCREEN);
  }
  return r;
}

bool WriteWholeFile(const std::string& file_name, const std::string& bytes) {
  const std::wstring wide = AnsiToWide(file_name);
  DeleteFileW(wide.c_str());
  KernelHandle file(
      CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  file.reset();  // a file still open cannot be deleted
  if (!ok) DeleteFileW(wide.c_str());
  return ok;
}

}  // namespace

int CaptureToBitmapFile(HWND window, const RECT* rect, const std::string& file_name) {
  if (file_name.empty()) return 0;
  const RECT r = CaptureRect(window, rect);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return 0;

  WindowDC screen(GetDesktopWindow());
  if (!screen.get()) return 0;
  const MemoryDC memory(CreateCompatibleDC(screen.get()));
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  if (!memory || !bitmap) return 0;
  {
    SelectedObject selected(memory.get(), bitmap.get());
    if (!selected.ok() || !BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY))
      return 0;
  }

  // The header as the system reports it for the bitmap, then asked for plain
  // RGB rows. A palette depth would need a colour table, which the file has
  // not: such screens are written with 24 bits.
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  if (!GetDIBits(screen.get(), bitmap.get(), 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    return 0;
  if (info.header.biBitCount <= 8) info.header.biBitCount = 24;
  info.header.biCompression = BI_RGB;
  info.header.biHeight = std::abs(info.header.biHeight);
  info.header.biSizeImage = BitmapRowBytes(info.header.biWidth, info.header.biBitCount) *
                            static_cast<DWORD>(info.header.biHeight);
  info.header.biClrUsed = 0;
  info.header.biClrImportant = 0;

  std::string pixels(info.header.biSizeImage, '\0');
  if (GetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(info.header.biHeight), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0)
    return 0;
  const std::string header(reinterpret_cast<const char*>(&info.header), sizeof(BITMAPINFOHEADER));
  return WriteWholeFile(file_name, BitmapFileBytes(header, pixels)) ? 1 : 0;
}

}  // namespace zelo
