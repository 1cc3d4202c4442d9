#include "actions/screen/image_search.h"

#include "actions/screen/screen_color.h"
#include "actions/shared/png_file.h"
#include "base/printf_text.h"
#include "model/file_access.h"

namespace zelo {

namespace {

// Only the first few mismatching places are logged; the rest would flood the
// log on a screen full of the primary colour.
constexpr int kLoggedPotentials = 5;

// Compares the bitmap with the frame at a candidate corner.
class CandidateCompare {
 public:
  CandidateCompare(const ScreenFrame& frame, const BitmapPixels& image, const ImageSearchOptions& options)
      : frame_(frame),
        image_(image),
        tolerance_(options.tolerance),
        masked_(options.mask != kNoMask),
        mask_(SwapRedBlue(options.mask & kRgbMask)) {}

  // Index of the first pixel, in reading order, that does not match; -1 when all match.
  int64_t FirstMismatch(int32_t cx, int32_t cy) const {
    const int32_t w = image_.width;
    for (int32_t j = 0; j < image_.height; ++j) {
      const uint32_t* screen = frame_.Row(cy + j) + cx;
      const uint32_t* bitmap = &image_.pixels[static_cast<std::size_t>(j) * static_cast<std::size_t>(w)];
      for (int32_t i = 0; i < w; ++i)
        if (!Matches(bitmap[i], screen[i])) return static_cast<int64_t>(j) * w + i;
    }
    return -1;
  }

  // Whether the whole bitmap matches. Tries first the pixel that failed at the
  // previous candidate: on a screen where the primary colour is everywhere,
  // most candidates fail at the same place, and this rejects them at once.
  bool MatchesAll(int32_t cx, int32_t cy) {
    if (probe_ >= 0) {
      const int32_t i = static_cast<int32_t>(probe_ % image_.width), j = static_cast<int32_t>(probe_ / image_.width);
      if (!Matches(image_.pixels[static_cast<std::size_t>(probe_)], frame_.At(cx + i, cy + j))) return false;
    }
    const int64_t mismatch = FirstMismatch(cx, cy);
    if (mismatch < 0) return true;
    probe_ = mismatch;
    return false;
  }

 private:
  bool Matches(uint32_t bitmap, uint32_t screen) const {
    if (bitmap & kTransparentPixel) return true;
    if (masked_ && (bitmap & kRgbMask) == mask_) return true;
    return ColorsMatch(bitmap, screen, tolerance_);
  }

  const ScreenFrame& frame_;
  const BitmapPixels& image_;
  const int32_t tolerance_;
  const bool masked_;
  const uint32_t mask_;
  int64_t probe_ = -1;
};

bool AllTransparent(const BitmapPixels& image) {
  for (uint32_t p : image.pixels)
    if (!(p & kTransparentPixel)) return false;
  return true;
}

}  // namespace

std::string SearchImageFromBytes(std::string_view name, std::string_view bytes, BitmapPixels* image) {
  std::string why;
  const bool decoded = IsPngFile(bytes)
                           ? DecodePng(bytes, kSearchImageMaxWidth, kSearchImageMaxHeight, image, &why)
                           : DecodeBitmap(bytes, image, &why);
  if (!decoded) {
  } else if (AllTransparent(*image)) {
    why = "every pixel is transparent";
  } else if (image->width > kSearchImageMaxWidth || image->height > kSearchImageMaxHeight) {
    why = PrintfText("the image is %d x %d pixels, larger than %d x %d", image->width, image->height,
                     kSearchImageMaxWidth, kSearchImageMaxHeight);
  } else {
    return {};
  }
  *image = BitmapPixels();
  return PrintfText("Unable to read image '%.*s': %s", static_cast<int>(name.size()), name.data(), why.c_str());
}

std::string LoadSearchImage(const std::string& path, BitmapPixels* image) {
  std::string bytes;
  switch (ReadWholeFile(path, &bytes)) {
    case ReadResult::Ok:
      return SearchImageFromBytes(path, bytes, image);
    case ReadResult::Missing:
      return PrintfText("Unable to read image '%s': the file does not exist", path.c_str());
    default:
      return PrintfText("Unable to read image '%s': the file cannot be read", path.c_str());
  }
}

PrimaryPixel ChoosePrimaryPixel(const BitmapPixels& image, bool slow_scan) {
  PrimaryPixel primary;
  const std::size_t count = image.pixels.size();
  std::size_t first = 0;
  while (first < count && (image.pixels[first] & kTransparentPixel)) ++first;
  if (first == count) first = 0;  // nothing to compare: any pixel will do
  auto take = [&](std::size_t k) {
    primary.x = static_cast<int32_t>(k % static_cast<std::size_t>(image.width));
    primary.y = static_cast<int32_t>(k / static_cast<std::size_t>(image.width));
    primary.rgb = image.pixels[k] & kRgbMask;
  };
  if (count == 0) return primary;
  take(first);
  if (slow_scan) return primary;
  const uint32_t background = primary.rgb;
  for (std::size_t k = first + 1; k < count; ++k) {
    const uint32_t p = image.pixels[k];
    if (!(p & kTransparentPixel) && (p & kRgbMask) != background) {
      take(k);
      break;
    }
  }
  return primary;
}

ImageSearchResult ImageSearch(const ScreenFrame& frame, const BitmapPixels& image, const ImageSearchOptions& options,
                              const SearchStop& stop) {
  ImageSearchResult result;
  const int32_t w = image.width, h = image.height;
  result.width = w;
  result.height = h;
  const ScreenRegion& region = options.region;
  if (w <= 0 || h <= 0 || image.pixels.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
    return result;
  if (region.Empty() || region.right - region.left + 1 < w || region.bottom - region.top + 1 < h) return result;

  const PrimaryPixel primary = ChoosePrimaryPixel(image, options.slow_scan);
  result.primary = primary;
  result.log = PrintfText(
      "\t*Find Image Size=[%d x %d]  Search Region=(%d,%d)->(%d,%d)\r\n"
      "\t*Scan Method: [%s]  Primary image pixel (%d, %d) [R=%d G=%d B=%d]\r\n",
      w, h, region.left, region.top, region.right, region.bottom,
      options.slow_scan ? "Non-Optimized Pixel Scan" : "Optimized Unique Pixel Scan", primary.x, primary.y,
      RedOf(primary.rgb), GreenOf(primary.rgb), BlueOf(primary.rgb));

  // A match lies wholly inside the region, so the primary pixel is only
  // looked for where the rest of the bitmap fits around it; every hit is
  // followed by the next pixel, so no place is compared twice.
  const ScreenRegion fit = frame.Clip(region);
  const ScreenRegion hits{fit.left + primary.x, fit.top + primary.y, fit.right - (w - 1 - primary.x),
                          fit.bottom - (h - 1 - primary.y)};
  CandidateCompare compare(frame, image, options);
  int logged = 0;
  int32_t x = hits.left, y = hits.top;
  while (ScanForColor(frame, primary.rgb, options.tolerance, hits, &x, &y, stop, &result.stopped, &result.log)) {
    const int32_t cx = x - primary.x, cy = y - primary.y;
    if (options.trace && result.candidates.size() < kTracedCandidates) result.candidates.push_back({cx, cy});
    if (logged < kLoggedPotentials) {
      const int64_t k = compare.FirstMismatch(cx, cy);
      if (k < 0) {
        result.found = true;
      } else {
        ++logged;
        const int32_t i = static_cast<int32_t>(k % w), j = static_cast<int32_t>(k / w);
        const uint32_t bitmap = image.pixels[static_cast<std::size_t>(k)], screen = frame.At(cx + i, cy + j);
        result.log += PrintfText(
            "\tPotential at screen (%d, %d), but image pixel (%d, %d) [R=%d G=%d B=%d] doesn't match screen "
            "pixel (%d, %d) [R=%d G=%d B=%d] %s\r\n",
            cx, cy, i, j, RedOf(bitmap), GreenOf(bitmap), BlueOf(bitmap), cx + i, cy + j, RedOf(screen),
            GreenOf(screen), BlueOf(screen),
            logged == kLoggedPotentials ? "\r\n\t(No more potential matches will be logged during this scan)" : "");
      }
    } else {
      result.found = compare.MatchesAll(cx, cy);
    }
    if (result.found) {
      result.x = cx;
      result.y = cy;
      return result;
    }
    ++x;
  }
  return result;
}

}  // namespace zelo
