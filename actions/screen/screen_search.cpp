#include "actions/screen/screen_search.h"

#include <cstdlib>

#include "actions/screen/screen_color.h"
#include "actions/screen/search_region.h"

namespace zelo {

namespace {

constexpr char kCannotCapture[] = "Unable to read the screen";
// How long the scan display stays before the screen is put back: the scan
// in memory takes milliseconds, too short to see.
constexpr uint32_t kScanShownMs = 1000;
constexpr uint32_t kRegionFrameMs = 250;
constexpr int kArrowFlashes = 11;
constexpr uint32_t kArrowFlashMs = 250;
constexpr uint32_t kGreen = 0x00FF00, kMagenta = 0xFF00FF;  // COLORREF

// The process's priority class, idle for this scope.
class IdlePriority {
 public:
  explicit IdlePriority(ScreenAccess& screen) : screen_(screen) { screen_.EnterIdlePriority(); }
  ~IdlePriority() { screen_.LeaveIdlePriority(); }
  IdlePriority(const IdlePriority&) = delete;
  IdlePriority& operator=(const IdlePriority&) = delete;

 private:
  ScreenAccess& screen_;
};

struct Capture {
  ScreenFrame frame;
  ScreenRegion region;  // normalised; nothing is captured when it is empty
  bool failed = false;  // the screen could not be read
};

// The region the fields ask for and its capture: the whole screen when the
// scan display needs pixels outside the region as well.
Capture CaptureFor(ScreenAccess& screen, const ScreenSearchFields& fields, int32_t* tolerance) {
  Capture c;
  int32_t width = 0, height = 0;
  screen.ScreenSize(&width, &height);
  const SearchFields f = ReadSearchFields(fields.tolerance, fields.start, fields.stop, width, height);
  c.region = f.region;
  *tolerance = f.tolerance;
  if (width <= 0 || height <= 0) {
    c.failed = true;
  } else if (!c.region.Empty()) {
    c.failed = !screen.Capture(fields.show_scan ? ScreenRegion{0, 0, width - 1, height - 1} : c.region, &c.frame);
  }
  return c;
}

void ShowScan(ScreenAccess& screen, const ScreenFrame& frame, const ScreenRegion& area, int32_t end_x, int32_t end_y,
              int32_t shift_x, int32_t shift_y) {
  ScreenRegion drawn;
  const std::vector<uint32_t> pixels = ShadedScan(frame, area, end_x, end_y, shift_x, shift_y, &drawn);
  if (!pixels.empty())
    screen.DrawPixels(drawn.left, drawn.top, drawn.right - drawn.left + 1, drawn.bottom - drawn.top + 1,
                      pixels.data());
}

}  // namespace

std::vector<uint32_t> ShadedScan(const ScreenFrame& frame, const ScreenRegion& area, int32_t end_x, int32_t end_y,
                                 int32_t shift_x, int32_t shift_y, ScreenRegion* drawn) {
  *drawn = frame.Clip({area.left - shift_x, area.top - shift_y, area.right - shift_x, area.bottom - shift_y});
  std::vector<uint32_t> out;
  if (area.Empty() || drawn->Empty()) return out;
  out.reserve(static_cast<std::size_t>(drawn->right - drawn->left + 1) * (drawn->bottom - drawn->top + 1));
  for (int32_t y = drawn->top; y <= drawn->bottom; ++y) {
    for (int32_t x = drawn->left; x <= drawn->right; ++x) {
      const int32_t vx = x + shift_x, vy = y + shift_y;  // where the pixel drawn here was read
      const bool read = vy < end_y || (vy == end_y && vx < end_x);
      uint32_t p = frame.At(x, y) & kRgbMask;
      if (read) {
        const uint32_t r = static_cast<uint32_t>(RedOf(p)), g = static_cast<uint32_t>(GreenOf(p)),
                       b = static_cast<uint32_t>(BlueOf(p));
        p = (r - r * 3 / 10) << 16 | (g - g * 3 / 10) << 8 | (b - b * 3 / 10);
      }
      out.push_back(p);
    }
  }
  return out;
}

ScreenSearchResult FindPixelOnScreen(ScreenAccess& screen, uint32_t colorref, const ScreenSearchFields& fields,
                                     const SearchStop& stop) {
  ScreenSearchResult result;
  int32_t tolerance = 0;
  const Capture c = CaptureFor(screen, fields, &tolerance);
  if (c.failed) result.error = kCannotCapture;
  if (c.failed || c.region.Empty()) return result;
  const PixelSearchResult r = PixelSearch(c.frame, colorref, c.region, tolerance, 0, 0, stop);
  result.found = r.found;
  result.x = r.x;
  result.y = r.y;
  result.stopped = r.stopped;
  result.log = r.log;
  if (fields.show_scan) {
    screen.KeepScreen();
    if (!r.stopped) {
      ShowScan(screen, c.frame, c.region, r.found ? r.x + 1 : c.region.left, r.found ? r.y : c.region.bottom + 1, 0,
               0);
      screen.Pause(kScanShownMs);
    }
    screen.PutScreenBack();
  }
  return result;
}

ScreenSearchResult FindImageOnScreen(ScreenAccess& screen, const BitmapPixels& image, uint32_t mask, bool slow_scan,
                                     const ScreenSearchFields& fields, const SearchStop& stop) {
  ScreenSearchResult result;
  result.width = image.width;
  result.height = image.height;
  ImageSearchOptions options;
  const Capture c = CaptureFor(screen, fields, &options.tolerance);
  if (c.failed) result.error = kCannotCapture;
  if (c.failed || c.region.Empty()) return result;
  options.region = c.region;
  options.mask = mask;
  options.slow_scan = slow_scan;
  options.trace = fields.show_scan;
  ImageSearchResult r;
  {
    const IdlePriority idle(screen);
    r = ImageSearch(c.frame, image, options, stop);
  }
  result.found = r.found;
  result.x = r.x;
  result.y = r.y;
  result.stopped = r.stopped;
  result.log = r.log;
  if (!fields.show_scan) return result;

  screen.KeepScreen();
  if (slow_scan) {
    screen.DrawRegionFrame(c.region);
    screen.Pause(kRegionFrameMs);
  }
  if (!r.stopped) {
    // The primary pixel's scan, shown one pixel above-left of the corners it
    // gave, and a marker at each corner compared, unless close to the last.
    const int32_t end_x = r.found ? r.x + r.primary.x + 1 : c.region.left;
    const int32_t end_y = r.found ? r.y + r.primary.y : c.region.bottom + 1;
    ShowScan(screen, c.frame, c.region, end_x, end_y, r.primary.x + 1, r.primary.y + 1);
    bool marked = false;
    ScreenPoint last;
    for (const ScreenPoint& p : r.candidates) {
      if (marked && std::abs(p.x - last.x) <= 4 && std::abs(p.y - last.y) <= 5) continue;
      screen.DrawCandidateMarker(p.x, p.y);
      marked = true;
      last = p;
    }
    if (!r.found) {
      screen.Pause(kScanShownMs);
    } else {
      for (int turn = 0; turn < kArrowFlashes; ++turn) {
        screen.DrawArrow(r.x, r.y, turn % 2 == 0 ? kGreen : kMagenta);
        screen.Pause(kArrowFlashMs);
      }
    }
  }
  screen.PutScreenBack();
  return result;
}

}  // namespace zelo
