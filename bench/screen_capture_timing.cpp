// The screen searches on the real screen (Windows build, run under Wine on
// the Xvfb screen): capturing the whole screen alone, capture + image
// search and capture + pixel search over it, against what the per-pixel
// reads they replace cost (GetPixel), and the stop key's check made
// between rows (GetAsyncKeyState). Each figure is the best of several runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "actions/screen/screen_search.h"
#include "base/win32_owners_win.h"

namespace {

using Clock = std::chrono::steady_clock;

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

}  // namespace

int main() {
  zelo::ScreenAccess& screen = zelo::SystemScreen();
  int32_t width = 0, height = 0;
  screen.ScreenSize(&width, &height);
  const zelo::ScreenRegion whole{0, 0, width - 1, height - 1};
  std::printf("screen %d x %d\n", width, height);

  zelo::ScreenFrame frame;
  bool ok = true;
  double s = BestSeconds(20, [&] { ok &= screen.Capture(whole, &frame); });
  std::printf("  %-44s %9.3f ms%s\n", "capture, whole screen", s * 1e3, ok ? "" : "  (FAILED)");
  // For comparison: a bitmap of the screen's own format, read out with GetDIBits.
  std::vector<uint32_t> rows(static_cast<std::size_t>(width) * height);
  s = BestSeconds(10, [&] {
    const zelo::WindowDC screen_dc(nullptr);
    const zelo::MemoryDC memory(CreateCompatibleDC(screen_dc.get()));
    const zelo::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen_dc.get(), width, height));
    {
      const zelo::SelectedObject selected(memory.get(), bitmap.get());
      BitBlt(memory.get(), 0, 0, width, height, screen_dc.get(), 0, 0, SRCCOPY);
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ok &= GetDIBits(memory.get(), bitmap.get(), 0, height, rows.data(), &info, DIB_RGB_COLORS) == height;
  });
  std::printf("  %-44s %9.3f ms\n", "  (compatible bitmap + GetDIBits instead)", s * 1e3);
  const zelo::ScreenRegion corner{width - 200, height - 200, width - 1, height - 1};
  s = BestSeconds(20, [&] { ok &= screen.Capture(corner, &frame); });
  std::printf("  %-44s %9.3f ms\n", "capture, 200 x 200 region", s * 1e3);

  // A 50x50 image of random colours is nowhere on the screen: the whole
  // screen is scanned for its primary pixel.
  std::mt19937 rng(3);
  zelo::BitmapPixels absent{50, 50, {}};
  for (int i = 0; i < 2500; ++i) absent.pixels.push_back(rng() & 0xFFFFFF);
  zelo::ScreenSearchFields fields;
  s = BestSeconds(10, [&] { ok &= !zelo::FindImageOnScreen(screen, absent, zelo::kNoMask, false, fields, {}).found; });
  std::printf("  %-44s %9.3f ms\n", "capture + image search (absent 50x50)", s * 1e3);
  // With the stop key checked between rows, as runs do.
  const zelo::SearchStop stop_key = [] { return (GetAsyncKeyState(VK_PAUSE) & 0x8000) != 0; };
  s = BestSeconds(10, [&] { zelo::FindImageOnScreen(screen, absent, zelo::kNoMask, false, fields, stop_key); });
  std::printf("  %-44s %9.3f ms\n", "  the same, stop key checked per row", s * 1e3);
  s = BestSeconds(10, [&] { zelo::FindPixelOnScreen(screen, 0x00FE01FD, fields, {}); });
  std::printf("  %-44s %9.3f ms\n", "capture + pixel search (absent colour)", s * 1e3);

  // Frame search alone, on the frame just captured.
  ok = screen.Capture(whole, &frame);
  s = BestSeconds(10, [&] { zelo::ImageSearchOptions o;
    o.region = whole;
    zelo::ImageSearch(frame, absent, o); });
  std::printf("  %-44s %9.3f ms\n", "image search on the captured frame", s * 1e3);

  // What the captured frame replaces: one GetPixel per screen pixel.
  constexpr int kReads = 2000;
  volatile COLORREF sink = 0;
  {
    const zelo::WindowDC screen_dc(nullptr);
    s = BestSeconds(3, [&] {
      for (int i = 0; i < kReads; ++i) sink = GetPixel(screen_dc.get(), i % width, i / width);
    });
  }
  std::printf("  %-44s %9.4f ms, whole screen %.1f s\n", "GetPixel, one call", s / kReads * 1e3,
              s / kReads * width * height);
  s = BestSeconds(3, [&] {
    for (int i = 0; i < kReads; ++i) sink = static_cast<COLORREF>(GetAsyncKeyState(VK_PAUSE));
  });
  std::printf("  %-44s %9.4f ms, once per row %.2f ms\n", "GetAsyncKeyState, one call", s / kReads * 1e3,
              s / kReads * height * 1e3);
  (void)sink;
  return ok ? 0 : 1;
}
