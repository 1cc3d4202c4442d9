// Owners of the GDI resources a screen copy uses: the screen's device
// context, a memory device context, a bitmap and an object selected into a
// context. Each gives its resource back on every path.
#pragma once

#include <windows.h>

namespace zelo {

class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class GdiBitmap {
 public:
  explicit GdiBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~GdiBitmap() {
    if (bitmap_) DeleteObject(bitmap_);
  }
  GdiBitmap(const GdiBitmap&) = delete;
  GdiBitmap& operator=(const GdiBitmap&) = delete;
  HBITMAP get() const { return bitmap_; }

 private:
  HBITMAP bitmap_;
};

// Selects an object into a context and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  bool ok() const { return old_ && old_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace zelo
