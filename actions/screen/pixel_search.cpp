#include "actions/screen/pixel_search.h"

#include "actions/screen/screen_color.h"

namespace zelo {

namespace {

// The first column from `from` to `to` whose pixel passes match, or -1.
// Blocks of 16 pixels are tested without a branch per pixel, which the
// compiler turns into vector code; only a block that holds a match is looked
// at pixel by pixel.
template <typename Match>
int32_t FindInRow(const uint32_t* row, int32_t from, int32_t to, Match match) {
  constexpr int32_t kBlock = 16;
  int32_t x = from;
  for (; x + kBlock - 1 <= to; x += kBlock) {
    bool any = false;
    for (int32_t k = 0; k < kBlock; ++k) any |= match(row[x + k]);
    if (any) break;
  }
  for (; x <= to; ++x)
    if (match(row[x])) return x;
  return -1;
}

}  // namespace

bool ScanForColor(const ScreenFrame& frame, uint32_t rgb, int32_t tolerance, const ScreenRegion& area, int32_t* x,
                  int32_t* y, const SearchStop& stop, bool* stopped, std::string* log) {
  const ScreenRegion r = frame.Clip(area);
  if (r.Empty()) return false;
  int32_t from = *x < r.left ? r.left : *x;
  int32_t row = *y;
  if (row < r.top) row = r.top, from = r.left;
  const uint32_t wanted = rgb & kRgbMask;
  const ColorRange range = ColorRangeOf(rgb, tolerance);
  for (; row <= r.bottom; ++row, from = r.left) {
    if (stop && stop()) {
      *stopped = true;
      log->append(kSearchStoppedLine);
      return false;
    }
    if (from > r.right) continue;
    const uint32_t* pixels = frame.Row(row);
    const int32_t found = tolerance <= 0
                              ? FindInRow(pixels, from, r.right, [wanted](uint32_t p) { return (p & kRgbMask) == wanted; })
                              : FindInRow(pixels, from, r.right, [&range](uint32_t p) { return range.Holds(p); });
    if (found >= 0) {
      *x = found;
      *y = row;
      return true;
    }
  }
  return false;
}

PixelSearchResult PixelSearch(const ScreenFrame& frame, uint32_t colorref, const ScreenRegion& region,
                              int32_t tolerance, int32_t start_x, int32_t start_y, const SearchStop& stop) {
  PixelSearchResult result;
  int32_t x = region.left, y = region.top;
  if (start_x != 0 && start_x >= region.left && start_x <= region.right) x = start_x;
  if (start_y != 0 && start_y >= region.top && start_y <= region.bottom) y = start_y;
  result.found = ScanForColor(frame, SwapRedBlue(colorref), tolerance, region, &x, &y, stop, &result.stopped,
                              &result.log);
  if (result.found) result.x = x, result.y = y;
  return result;
}

}  // namespace zelo
