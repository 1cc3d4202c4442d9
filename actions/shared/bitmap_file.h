// BMP files: the bytes the screen captures write (a 14-byte file header,
// the 40-byte information header as the system reports it for the captured
// bitmap, then the pixel rows; no colour table), and the reading of the
// uncompressed BMP files an image search looks for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

inline constexpr uint32_t kBitmapHeadersSize = 54;
inline constexpr uint32_t kBitmapInfoHeaderSize = 40;
// Marks a fully transparent pixel of an image (PNG alpha 0): searches never
// compare it, as if it had the mask colour.
inline constexpr uint32_t kTransparentPixel = 0x01000000;

// Bytes per pixel row of a bitmap: rows are padded to whole 32-bit words.
uint32_t BitmapRowBytes(int32_t width, uint16_t bit_count);

// The whole file: "BM", the file size (pixels + 54), 0, the offset 54, then
// info_header (exactly 40 bytes) and pixels. Empty when info_header is not
// 40 bytes long.
std::string BitmapFileBytes(std::string_view info_header, std::string_view pixels);

// A decoded bitmap: rows top to bottom, each pixel 0x00RRGGBB (the byte
// order of a 32-bit screen capture, without its fourth byte); a pixel the
// image leaves out (fully transparent) has kTransparentPixel added.
struct BitmapPixels {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  // width * height, row by row
};

// Decodes a whole BMP file: the core, information and V2-V5 headers; 1, 4 and
// 8 bits with a colour table, 16 and 32 bits plain or with bit fields, 24
// bits; bottom-up and top-down rows. False, with the reason in *error, for
// anything else: not a BMP file, a truncated file, a zero-size image,
// compressed pixels. Never reads outside data.
bool DecodeBitmap(std::string_view data, BitmapPixels* out, std::string* error);

}  // namespace zelo
