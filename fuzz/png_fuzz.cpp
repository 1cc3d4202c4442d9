// Fuzzes the PNG files of the image search (the native build's libpng
// reader). The first byte chooses the search as in the bitmap target; the
// rest is the file. A decoded image keeps within the image store, has
// width * height pixels, nothing but colour and the transparency mark, and
// is found in a frame made of its own opaque pixels.
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

void FuzzPng(std::string_view data, uint8_t knobs) {
  zelo::BitmapPixels img;
  if (!zelo::SearchImageFromBytes("fuzz.png", data, &img).empty()) {
    Check(img.pixels.empty());
    return;
  }
  Check(img.width > 0 && img.height > 0 && img.width <= zelo::kSearchImageMaxWidth &&
        img.height <= zelo::kSearchImageMaxHeight);
  Check(img.pixels.size() == static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height));
  bool opaque = false;
  for (uint32_t p : img.pixels) {
    Check((p & ~(zelo::kRgbMask | zelo::kTransparentPixel)) == 0);
    opaque |= !(p & zelo::kTransparentPixel);
  }
  Check(opaque);
  if (img.width > 64 || img.height > 64) return;

  const int32_t fw = img.width + 3, fh = img.height + 2, ox = knobs % 4, oy = knobs / 4 % 3;
  std::vector<uint32_t> pixels(static_cast<std::size_t>(fw) * fh, 0xFF00FF00);
  for (int32_t j = 0; j < img.height; ++j)
    for (int32_t i = 0; i < img.width; ++i)
      pixels[static_cast<std::size_t>(oy + j) * fw + ox + i] =
          (img.pixels[static_cast<std::size_t>(j) * img.width + i] & zelo::kRgbMask) | 0xAB000000;
  const zelo::ScreenFrame frame{pixels.data(), fw, fh, fw, 0, 0};
  zelo::ImageSearchOptions o;
  o.region = {0, 0, fw - 1, fh - 1};
  o.tolerance = knobs & 0x40 ? knobs & 0x1F : 0;
  o.mask = knobs & 0x20 ? zelo::kMaskMagenta : zelo::kNoMask;
  o.slow_scan = knobs & 0x10;
  const zelo::ImageSearchResult r = zelo::ImageSearch(frame, img, o);
  Check(r.found);
  Check(r.y < oy || (r.y == oy && r.x <= ox));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  if (size < 1) return 0;
  FuzzPng(std::string_view(reinterpret_cast<const char*>(bytes) + 1, size - 1), bytes[0]);
  return 0;
}
