// The pixel and image searches as steps use them: the screen captured once
// per search into memory, searched there, and the scan display drawn from
// that capture. The screen itself is behind ScreenAccess: the program's
// reads the real screen; tests and the native tool give frames of their own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actions/screen/image_search.h"
#include "actions/screen/pixel_search.h"
#include "actions/screen/screen_frame.h"

namespace zelo {

class ScreenAccess {
 public:
  virtual ~ScreenAccess() = default;
  // The primary screen's size in pixels.
  virtual void ScreenSize(int32_t* width, int32_t* height) = 0;
  // Copies a region (inside the screen) into memory at once. The frame stays
  // valid until the next Capture. False when the screen cannot be read.
  virtual bool Capture(const ScreenRegion& region, ScreenFrame* frame) = 0;
  // Image searches run at idle priority; Leave puts back the class the
  // process had before Enter.
  virtual void EnterIdlePriority() = 0;
  virtual void LeaveIdlePriority() = 0;

  // The scan display ("Show Screen Scan"), drawn straight onto the screen.
  // Keeps a copy of the whole screen, which PutScreenBack restores (and has
  // every window repaint).
  virtual void KeepScreen() = 0;
  virtual void PutScreenBack() = 0;
  // Draws width x height pixels (0x00RRGGBB rows) with their top-left corner at (left, top).
  virtual void DrawPixels(int32_t left, int32_t top, int32_t width, int32_t height, const uint32_t* pixels) = 0;
  // A black rectangle one pixel outside the region.
  virtual void DrawRegionFrame(const ScreenRegion& region) = 0;
  // A magenta line from (x - 1, y - 1) to (x - 10, y - 10), with a small
  // white-filled circle at its end.
  virtual void DrawCandidateMarker(int32_t x, int32_t y) = 0;
  // Three lines of a 2-pixel pen in colorref from (x - 1, y - 1): up 9
  // pixels, left 9 pixels, and to 20 pixels above-left.
  virtual void DrawArrow(int32_t x, int32_t y, uint32_t colorref) = 0;
  virtual void Pause(uint32_t ms) = 0;
};

// A screen nobody watches: the process keeps its priority and no scan display
// is drawn. The native build's screen, and image files that stand for one.
class UnwatchedScreen : public ScreenAccess {
 public:
  void EnterIdlePriority() override {}
  void LeaveIdlePriority() override {}
  void KeepScreen() override {}
  void PutScreenBack() override {}
  void DrawPixels(int32_t, int32_t, int32_t, int32_t, const uint32_t*) override {}
  void DrawRegionFrame(const ScreenRegion&) override {}
  void DrawCandidateMarker(int32_t, int32_t) override {}
  void DrawArrow(int32_t, int32_t, uint32_t) override {}
  void Pause(uint32_t) override {}
};

// What a search step's fields ask for, expanded: value1 the tolerance,
// value2 and value3 the corners of the region, options the scan display.
struct ScreenSearchFields {
  std::string_view tolerance;
  std::string_view start;
  std::string_view stop;
  bool show_scan = false;
};

struct ScreenSearchResult {
  bool found = false;
  int32_t x = 0, y = 0;           // the pixel, or the image's top-left corner
  int32_t width = 0, height = 0;  // the image's size, found or not
  bool stopped = false;           // the stop key ended the search: the run must stop
  std::string log;                // the search's run-log lines
  std::string error;              // why the screen or the image could not be read
};

ScreenSearchResult FindPixelOnScreen(ScreenAccess& screen, uint32_t colorref, const ScreenSearchFields& fields,
                                     const SearchStop& stop);
// mask: kMaskMagenta for the "Masked" actions, else kNoMask; slow_scan: the
// "SlowPixelScan" setting.
ScreenSearchResult FindImageOnScreen(ScreenAccess& screen, const BitmapPixels& image, uint32_t mask, bool slow_scan,
                                     const ScreenSearchFields& fields, const SearchStop& stop);

// The scan display's shading of a scan over area that read every pixel
// before (end_x, end_y) in reading order: each pixel read is drawn dimmed to
// 70 %, shift_x, shift_y above-left of where it was read. The pixels for
// *drawn (the shifted area, within the frame), from the frame.
std::vector<uint32_t> ShadedScan(const ScreenFrame& frame, const ScreenRegion& area, int32_t end_x, int32_t end_y,
                                 int32_t shift_x, int32_t shift_y, ScreenRegion* drawn);

// The program's screen: the real one in the Windows build; elsewhere one
// that cannot be read.
ScreenAccess& SystemScreen();

}  // namespace zelo
