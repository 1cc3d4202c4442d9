// A screen for tests: pixels the test sets, captures copied into buffers of
// exactly the captured size (ASan catches any read outside them), and every
// priority change and drawing of the scan display written down in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "actions/screen/screen_search.h"
#include "actions/shared/bitmap_file.h"

namespace zelo::test {

class FakeScreen : public ScreenAccess {
 public:
  FakeScreen(int32_t width, int32_t height, uint32_t fill)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

  uint32_t& at(int32_t x, int32_t y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Put(const BitmapPixels& image, int32_t left, int32_t top) {
    for (int32_t j = 0; j < image.height; ++j)
      for (int32_t i = 0; i < image.width; ++i)
        at(left + i, top + j) = image.pixels[static_cast<std::size_t>(j) * image.width + i] & 0xFFFFFF;
  }

  void ScreenSize(int32_t* width, int32_t* height) override {
    *width = width_;
    *height = height_;
  }
  bool Capture(const ScreenRegion& r, ScreenFrame* frame) override {
    captures.push_back(r);
    if (fail_capture) return false;
    const int32_t w = r.right - r.left + 1, h = r.bottom - r.top + 1;
    captured_.assign(static_cast<std::size_t>(w) * h, 0);
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x)
        captured_[static_cast<std::size_t>(y) * w + x] = at(r.left + x, r.top + y) | 0xFF000000;  // a fourth byte
    *frame = ScreenFrame{captured_.data(), w, h, w, r.left, r.top};
    return true;
  }
  void EnterIdlePriority() override { calls.push_back("idle"), idle = true; }
  void LeaveIdlePriority() override { calls.push_back("normal"), idle = false; }
  void KeepScreen() override { calls.push_back("keep"); }
  void PutScreenBack() override { calls.push_back("put back"); }
  void DrawPixels(int32_t left, int32_t top, int32_t width, int32_t height, const uint32_t*) override {
    calls.push_back("pixels " + Point(left, top) + " " + Point(width, height));
  }
  void DrawRegionFrame(const ScreenRegion& r) override {
    calls.push_back("frame " + Point(r.left, r.top) + " " + Point(r.right, r.bottom));
  }
  void DrawCandidateMarker(int32_t x, int32_t y) override { calls.push_back("marker " + Point(x, y)); }
  void DrawArrow(int32_t x, int32_t y, uint32_t colorref) override {
    calls.push_back("arrow " + Point(x, y) + (colorref == 0x00FF00 ? " green" : colorref == 0xFF00FF ? " magenta" : " ?"));
  }
  void Pause(uint32_t ms) override { calls.push_back("pause " + std::to_string(ms)); }

  static std::string Point(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }

  std::vector<ScreenRegion> captures;
  std::vector<std::string> calls;
  bool fail_capture = false;
  bool idle = false;

 private:
  int32_t width_, height_;
  std::vector<uint32_t> pixels_;
  std::vector<uint32_t> captured_;
};

// The pixels of a screen rectangle as an image.
inline BitmapPixels CutImage(FakeScreen& screen, int32_t left, int32_t top, int32_t width, int32_t height) {
  BitmapPixels image{width, height, {}};
  for (int32_t j = 0; j < height; ++j)
    for (int32_t i = 0; i < width; ++i) image.pixels.push_back(screen.at(left + i, top + j) & 0xFFFFFF);
  return image;
}

// A 32-bit bottom-up BMP file of the image.
inline std::string BmpFile(const BitmapPixels& image) {
  std::string info(40, '\0');
  auto put = [&info](std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) info[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  put(0, 40);
  put(4, static_cast<uint32_t>(image.width));
  put(8, static_cast<uint32_t>(image.height));
  put(12, 1 | 32 << 16);  // one plane, 32 bits
  std::string rows;
  for (int32_t j = image.height - 1; j >= 0; --j)
    for (int32_t i = 0; i < image.width; ++i) {
      const uint32_t p = image.pixels[static_cast<std::size_t>(j) * image.width + i];
      for (int b = 0; b < 4; ++b) rows += static_cast<char>(p >> (8 * b));
    }
  return BitmapFileBytes(info, rows);
}

}  // namespace zelo::test
