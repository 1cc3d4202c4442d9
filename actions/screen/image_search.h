// ImageSearch over a captured frame: where a bitmap appears, found by
// looking for one chosen pixel of it (the primary pixel) and comparing the
// whole bitmap at each place that pixel's colour is seen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actions/screen/pixel_search.h"
#include "actions/screen/screen_frame.h"
#include "actions/shared/bitmap_file.h"
#include "actions/shared/screen_point.h"

namespace zelo {

inline constexpr uint32_t kNoMask = 256;
inline constexpr uint32_t kMaskMagenta = 0xFF00FF;  // COLORREF of the "Masked" actions
// The largest bitmap a search takes.
inline constexpr int32_t kSearchImageMaxWidth = 1600;
inline constexpr int32_t kSearchImageMaxHeight = 1632;

// Reads an image file (BMP or PNG) for a search. Empty on success; otherwise
// the text "Unable to read image '<path>': <reason>" (missing or unreadable
// file, not an image the readers know, truncated, no pixels, too large, every
// pixel transparent).
std::string LoadSearchImage(const std::string& path, BitmapPixels* image);
// The same for file contents already read; name only goes into the text.
std::string SearchImageFromBytes(std::string_view name, std::string_view bytes, BitmapPixels* image);

struct PrimaryPixel {
  int32_t x = 0, y = 0;
  uint32_t rgb = 0;  // capture order
};

// The pixel searched for first: the first one, in reading order, whose
// colour differs from the top-left pixel's (a likelier rare colour than the
// background), or the top-left one for a bitmap of one colour. slow_scan
// (the "SlowPixelScan" setting) always takes the top-left pixel. Transparent
// pixels are passed over as if the image did not have them: the walk starts
// at the first pixel that is not transparent.
PrimaryPixel ChoosePrimaryPixel(const BitmapPixels& image, bool slow_scan);

struct ImageSearchOptions {
  ScreenRegion region;         // normalised, screen coordinates
  int32_t tolerance = 0;       // 0 or less: exact colours
  uint32_t mask = kNoMask;     // COLORREF whose bitmap pixels are not compared, or kNoMask
  bool slow_scan = false;
  bool trace = false;          // keep the compared candidates for the scan display
};

struct ImageSearchResult {
  bool found = false;
  int32_t x = 0, y = 0;           // screen position of the bitmap's top-left corner
  int32_t width = 0, height = 0;  // the bitmap's size, found or not
  bool stopped = false;           // the stop check ended the search: the run must stop
  std::string log;                // the run-log lines of the search
  PrimaryPixel primary;           // the pixel searched for first
  // With trace: the corners compared, in order (at most kTracedCandidates).
  std::vector<ScreenPoint> candidates;
};
inline constexpr std::size_t kTracedCandidates = 4096;

// The first place, in reading order of the primary pixel, where the whole
// bitmap lies inside the region (and the frame) and matches the screen.
ImageSearchResult ImageSearch(const ScreenFrame& frame, const BitmapPixels& image, const ImageSearchOptions& options,
                              const SearchStop& stop = {});

}  // namespace zelo
