// The program's screen for the searches: the region copied with one BitBlt
// from the screen DC into a 32-bit top-down DIB section, whose memory the
// portable search then scans. BitBlt gives every screen depth as 8-bit
// channels the way GetPixel reports them, so a 16-bit screen's colours
// compare as they would pixel by pixel.
#include <windows.h>

#include "actions/screen/screen_search.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

BITMAPINFO TopDown32(int32_t width, int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

class Win32Screen : public ScreenAccess {
 public:
  void ScreenSize(int32_t* width, int32_t* height) override {
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
  }

  bool Capture(const ScreenRegion& region, ScreenFrame* frame) override {
    const int32_t width = region.right - region.left + 1, height = region.bottom - region.top + 1;
    if (width <= 0 || height <= 0) return false;
    const WindowDC screen(nullptr);
    if (!screen.get()) return false;
    // One DIB of the last size is kept: repeated searches (waits, loops)
    // capture the same region again and again.
    if (!dib_ || width != dib_width_ || height != dib_height_) {
      dib_.reset();
      const BITMAPINFO info = TopDown32(width, height);
      dib_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
      if (!dib_) return false;
      dib_width_ = width;
      dib_height_ = height;
    }
    const MemoryDC memory(CreateCompatibleDC(screen.get()));
    if (!memory) return false;
    {
      const SelectedObject selected(memory.get(), dib_.get());
      if (!selected.ok() ||
          !BitBlt(memory.get(), 0, 0, width, height, screen.get(), region.left, region.top, SRCCOPY))
        return false;
    }
    GdiFlush();  // the DIB's memory is complete only once GDI has drawn into it
    *frame = ScreenFrame{static_cast<const uint32_t*>(bits_), width, height, width, region.left, region.top};
    return true;
  }

  void EnterIdlePriority() override {
    previous_class_ = GetPriorityClass(GetCurrentProcess());
    SetPriorityClass(GetCurrentProcess(), IDLE_PRIORITY_CLASS);
  }
  void LeaveIdlePriority() override {
    if (previous_class_ != 0) SetPriorityClass(GetCurrentProcess(), previous_class_);
  }

  void KeepScreen() override {
    const WindowDC screen(nullptr);
    ScreenSize(&kept_width_, &kept_height_);
    kept_.reset(CreateCompatibleBitmap(screen.get(), kept_width_, kept_height_));
    const MemoryDC memory(CreateCompatibleDC(screen.get()));
    if (!kept_ || !memory) return kept_.reset();
    const SelectedObject selected(memory.get(), kept_.get());
    if (!selected.ok() || !BitBlt(memory.get(), 0, 0, kept_width_, kept_height_, screen.get(), 0, 0, SRCCOPY))
      kept_.reset();
  }
  void PutScreenBack() override {
    if (kept_) {
      const WindowDC screen(nullptr);
      const MemoryDC memory(CreateCompatibleDC(screen.get()));
      if (memory) {
        const SelectedObject selected(memory.get(), kept_.get());
        if (selected.ok()) BitBlt(screen.get(), 0, 0, kept_width_, kept_height_, memory.get(), 0, 0, SRCCOPY);
      }
      kept_.reset();
    }
    // Windows that drew meanwhile redraw over what was put back.
    InvalidateRect(nullptr, nullptr, TRUE);
  }

  void DrawPixels(int32_t left, int32_t top, int32_t width, int32_t height, const uint32_t* pixels) override {
    const WindowDC screen(nullptr);
    const BITMAPINFO info = TopDown32(width, height);
    SetDIBitsToDevice(screen.get(), left, top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
  }
  void DrawRegionFrame(const ScreenRegion& r) override {
    const WindowDC screen(nullptr);
    const SelectedObject pen(screen.get(), GetStockObject(BLACK_PEN));
    const SelectedObject brush(screen.get(), GetStockObject(NULL_BRUSH));
    Rectangle(screen.get(), r.left - 1, r.top - 1, r.right + 2, r.bottom + 2);
  }
  void DrawCandidateMarker(int32_t x, int32_t y) override {
    const WindowDC screen(nullptr);
    const GdiObject<HPEN> magenta(CreatePen(PS_SOLID, 1, RGB(255, 0, 255)));
    const SelectedObject pen(screen.get(), magenta.get());
    const SelectedObject brush(screen.get(), GetStockObject(WHITE_BRUSH));
    MoveToEx(screen.get(), x - 1, y - 1, nullptr);
    LineTo(screen.get(), x - 10, y - 10);
    Ellipse(screen.get(), x - 13, y - 13, x - 7, y - 7);
  }
  void DrawArrow(int32_t x, int32_t y, uint32_t colorref) override {
    const WindowDC screen(nullptr);
    const GdiObject<HPEN> coloured(CreatePen(PS_SOLID, 2, colorref));
    const SelectedObject pen(screen.get(), coloured.get());
    const POINT tips[] = {{x - 1, y - 10}, {x - 10, y - 1}, {x - 20, y - 20}};
    for (const POINT& tip : tips) {
      MoveToEx(screen.get(), x - 1, y - 1, nullptr);
      LineTo(screen.get(), tip.x, tip.y);
    }
  }
  void Pause(uint32_t ms) override { Sleep(ms); }

 private:
  GdiObject<HBITMAP> dib_;
  void* bits_ = nullptr;
  int32_t dib_width_ = 0, dib_height_ = 0;
  DWORD previous_class_ = 0;
  GdiObject<HBITMAP> kept_;
  int32_t kept_width_ = 0, kept_height_ = 0;
};

}  // namespace

ScreenAccess& SystemScreen() {
  static Win32Screen screen;
  return screen;
}

}  // namespace zelo
