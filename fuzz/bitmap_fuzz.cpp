// Fuzzes the bitmap files of the image search. The first byte chooses a
// region, tolerance, mask and method; the rest is the file. A decoded image
// has width * height pixels without a fourth byte, and searching for it in a
// frame made of its own pixels finds it at or before the place it was copied
// to, wholly inside the region, unless the region leaves that place out.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "actions/screen/image_search.h"
#include "actions/screen/screen_color.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void FuzzBitmap(std::string_view data, uint8_t knobs) {
  zelo::BitmapPixels img;
  if (!zelo::SearchImageFromBytes("fuzz.bmp", data, &img).empty()) return;
  Check(img.width > 0 && img.height > 0 && img.width <= zelo::kSearchImageMaxWidth &&
        img.height <= zelo::kSearchImageMaxHeight);
  Check(img.pixels.size() == static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height));
  for (uint32_t p : img.pixels) Check(p <= zelo::kRgbMask);
  if (img.width > 64 || img.height > 64) return;

  // The image copied into a frame at (ox, oy), with a fourth byte set.
  const int32_t fw = img.width + 7, fh = img.height + 5, ox = knobs % 8, oy = knobs / 8 % 6;
  std::vector<uint32_t> pixels(static_cast<std::size_t>(fw) * fh, 0xFF00FF00);
  for (int32_t j = 0; j < img.height; ++j)
    for (int32_t i = 0; i < img.width; ++i)
      pixels[static_cast<std::size_t>(oy + j) * fw + ox + i] = img.pixels[static_cast<std::size_t>(j) * img.width + i] | 0xAB000000;
  const zelo::ScreenFrame frame{pixels.data(), fw, fh, fw, 0, 0};
  zelo::ImageSearchOptions o;
  o.region = zelo::NormalizeRegion({0, 0, fw - 1 - (knobs >> 7), fh - 1}, fw, fh);
  o.tolerance = knobs & 0x40 ? knobs & 0x1F : 0;
  o.mask = knobs & 0x20 ? zelo::kMaskMagenta : zelo::kNoMask;
  o.slow_scan = knobs & 0x10;
  const zelo::ImageSearchResult r = zelo::ImageSearch(frame, img, o);
  Check(r.width == img.width && r.height == img.height);
  if (r.found) {
    Check(r.x >= o.region.left && r.y >= o.region.top && r.x + img.width - 1 <= o.region.right &&
          r.y + img.height - 1 <= o.region.bottom);
    Check(r.y < oy || (r.y == oy && r.x <= ox) || o.region.right < ox + img.width - 1);
  } else {
    Check(o.region.right < ox + img.width - 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 1) return 0;
  FuzzBitmap(std::string_view(reinterpret_cast<const char*>(bytes) + 1, size - 1), bytes[0]);
  return 0;
}
