// PixelSearch over a captured frame: the first pixel of a colour, row by row
// from the top, each row from left to right.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "actions/screen/screen_frame.h"

namespace zelo {

// Asked before each row of a scan; true (the stop key is down or the run is
// asked to stop) ends the search.
using SearchStop = std::function<bool()>;

inline constexpr char kSearchStoppedLine[] = "\tStop key pressed, aborting image search\r\n";

struct PixelSearchResult {
  bool found = false;
  int32_t x = 0, y = 0;  // screen position of the pixel found
  bool stopped = false;  // the stop check ended the search: the run must stop
  std::string log;       // the run-log lines of the search
};

// colorref: 0x00BBGGRR; region: normalised, screen coordinates (the part the
// frame does not hold is not searched); tolerance 0 or less: exact colour.
// A non-zero start x inside the region's columns replaces the first row's
// first column, a non-zero start y inside its rows replaces the first row.
PixelSearchResult PixelSearch(const ScreenFrame& frame, uint32_t colorref, const ScreenRegion& region,
                              int32_t tolerance, int32_t start_x, int32_t start_y, const SearchStop& stop = {});

// The scan under both searches: from (*x, *y) on, in reading order within
// area (clipped to the frame), the first pixel of rgb (capture order). True
// with the position in *x, *y; false when none is left or stop ended the
// scan (then *stopped is set and the stop line added to *log).
bool ScanForColor(const ScreenFrame& frame, uint32_t rgb, int32_t tolerance, const ScreenRegion& area, int32_t* x,
                  int32_t* y, const SearchStop& stop, bool* stopped, std::string* log);

}  // namespace zelo
