// The pixel and image searches over captured frames of three screen sizes:
// an exact 50x50 image at the bottom-right corner (the whole screen scanned
// before it is found), the same with tolerance 10 and with a masked border,
// the adversarial screen where every position is a candidate (one colour
// everywhere, the image differing only in its last pixel), and a pixel
// search for a colour that is not there. Each figure is the best of several
// runs, with its ratio to the baseline: one plain pass that reads every
// pixel of the frame once.
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "actions/screen/image_search.h"

namespace {

using Clock = std::chrono::steady_clock;
using zelo::BitmapPixels;
using zelo::ImageSearchOptions;
using zelo::ScreenFrame;

template <typename F>
double BestSeconds(int runs, F f) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const auto a = Clock::now();
    f();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - a).count());
  }
  return best;
}

volatile uint32_t g_sink;

BitmapPixels Cut(const ScreenFrame& f, int32_t x, int32_t y, int32_t w, int32_t h) {
  BitmapPixels img{w, h, {}};
  for (int32_t j = 0; j < h; ++j)
    for (int32_t i = 0; i < w; ++i) img.pixels.push_back(f.At(x + i, y + j) & 0xFFFFFF);
  return img;
}

void Report(const char* what, double seconds, double baseline, bool ok) {
  std::printf("  %-34s %9.3f ms  %7.1fx baseline%s\n", what, seconds * 1e3, seconds / baseline,
              ok ? "" : "  (WRONG RESULT)");
}

void RunSize(int32_t width, int32_t height) {
  std::mt19937 rng(7);
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (uint32_t& p : pixels) p = rng() | 0xFF000000;
  const ScreenFrame frame{pixels.data(), width, height, width, 0, 0};
  const zelo::ScreenRegion whole{0, 0, width - 1, height - 1};
  const int runs = width > 2000 ? 5 : 10;

  const double baseline = BestSeconds(runs, [&] {
    uint32_t sum = 0;
    for (uint32_t p : pixels) sum += p;
    g_sink = sum;
  });
  const double bytes = static_cast<double>(pixels.size()) * 4;
  std::printf("%d x %d: baseline read %.3f ms (%.2f GB/s)\n", width, height, baseline * 1e3, bytes / baseline / 1e9);

  const int32_t x = width - 50, y = height - 50;
  const BitmapPixels exact = Cut(frame, x, y, 50, 50);
  ImageSearchOptions o;
  o.region = whole;
  bool ok = true;
  double s = BestSeconds(runs, [&] {
    const auto r = zelo::ImageSearch(frame, exact, o);
    ok = r.found && r.x == x && r.y == y;
  });
  Report("exact 50x50 bottom-right", s, baseline, ok);

  o.tolerance = 10;
  s = BestSeconds(runs, [&] {
    const auto r = zelo::ImageSearch(frame, exact, o);
    ok = r.found && r.x == x && r.y == y;
  });
  Report("tolerance 10", s, baseline, ok);

  o.tolerance = 0;
  o.mask = zelo::kMaskMagenta;
  BitmapPixels masked = exact;
  for (int32_t j = 0; j < 50; ++j)
    for (int32_t i = 0; i < 50; ++i)
      if (i < 5 || j < 5 || i >= 45 || j >= 45) masked.pixels[static_cast<std::size_t>(j) * 50 + i] = 0xFF00FF;
  s = BestSeconds(runs, [&] {
    const auto r = zelo::ImageSearch(frame, masked, o);
    ok = r.found && r.x == x && r.y == y;
  });
  Report("masked (5-pixel magenta border)", s, baseline, ok);

  // Adversarial: the frame is all the primary colour. The optimized method's
  // primary pixel is the image's last one; SlowPixelScan's is the top-left.
  std::vector<uint32_t> uniform(pixels.size(), 0x00336699);
  const ScreenFrame flat{uniform.data(), width, height, width, 0, 0};
  o.mask = zelo::kNoMask;
  BitmapPixels last_differs{50, 50, std::vector<uint32_t>(2500, 0x00AA0000)};
  last_differs.pixels.back() = 0x00336699;
  s = BestSeconds(runs, [&] { ok = !zelo::ImageSearch(flat, last_differs, o).found; });
  Report("adversarial, optimized method", s, baseline, ok);
  BitmapPixels slow_case{50, 50, std::vector<uint32_t>(2500, 0x00336699)};
  slow_case.pixels.back() = 0x00AA0000;
  o.slow_scan = true;
  s = BestSeconds(runs, [&] { ok = !zelo::ImageSearch(flat, slow_case, o).found; });
  Report("adversarial, SlowPixelScan", s, baseline, ok);

  // Colours surely absent: every red value is now 128 or more.
  for (uint32_t& p : pixels) p |= 0x00800000;
  s = BestSeconds(runs, [&] { ok = !zelo::PixelSearch(frame, 0x00000000, whole, 0, 0, 0).found; });
  Report("PixelSearch, absent colour", s, baseline, ok);
  std::printf("  %-34s %9.2f GB/s\n", "  scan rate", bytes / s / 1e9);
  s = BestSeconds(runs, [&] { ok = !zelo::PixelSearch(frame, 0x00000000, whole, 10, 0, 0).found; });
  Report("PixelSearch, absent, tolerance 10", s, baseline, ok);
  std::printf("  %-34s %9.2f GB/s\n", "  scan rate", bytes / s / 1e9);
}

}  // namespace

int main() {
  RunSize(960, 540);
  RunSize(1920, 1080);
  RunSize(3840, 2160);
  return 0;
}
