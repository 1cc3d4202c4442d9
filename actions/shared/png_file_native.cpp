// PNG decoding through libpng's simplified interface, which reads every
// colour type and depth into 8-bit BGRA and reports damage as a message
// instead of a jump out of the caller.
#include <png.h>

#include <cstring>
#include <vector>

#include "actions/shared/png_file.h"
#include "base/printf_text.h"

namespace zelo {

namespace {

// Frees libpng's reading state on every path.
struct PngImage {
  png_image image;
  PngImage() {
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
  }
  ~PngImage() { png_image_free(&image); }
  PngImage(const PngImage&) = delete;
  PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

bool DecodePng(std::string_view data, int32_t max_width, int32_t max_height, BitmapPixels* out, std::string* error) {
  *out = BitmapPixels();
  PngImage png;
  if (!png_image_begin_read_from_memory(&png.image, data.data(), data.size())) {
    *error = PrintfText("damaged PNG file (%s)", png.image.message);
    return false;
  }
  const png_uint_32 width = png.image.width, height = png.image.height;
  if (width == 0 || height == 0) {
    *error = "the image has no pixels";
    return false;
  }
  if (width > static_cast<png_uint_32>(max_width) || height > static_cast<png_uint_32>(max_height)) {
    *error = PrintfText("the image is %u x %u pixels, larger than %d x %d", width, height, max_width, max_height);
    return false;
  }
  // BGRA bytes are 0xAARRGGBB words on a little-endian machine.
  png.image.format = PNG_FORMAT_BGRA;
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
  if (!png_image_finish_read(&png.image, nullptr, pixels.data(), static_cast<png_int_32>(width * 4), nullptr)) {
    *error = PrintfText("damaged PNG file (%s)", png.image.message);
    return false;
  }
  for (uint32_t& p : pixels) p = (p & 0x00FFFFFF) | ((p >> 24) == 0 ? kTransparentPixel : 0);
  out->width = static_cast<int32_t>(width);
  out->height = static_cast<int32_t>(height);
  out->pixels = std::move(pixels);
  return true;
}

}  // namespace zelo
