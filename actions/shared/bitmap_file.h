// The bytes of the BMP files the screen captures write: a 14-byte file
// header, the 40-byte information header as the system reports it for the
// captured bitmap, then the pixel rows. No colour table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelo {

inline constexpr uint32_t kBitmapHeadersSize = 54;
inline constexpr uint32_t kBitmapInfoHeaderSize = 40;

// Bytes per pixel row of a bitmap: rows are padded to whole 32-bit words.
uint32_t BitmapRowBytes(int32_t width, uint16_t bit_count);

// The whole file: "BM", the file size (pixels + 54), 0, the offset 54, then
// info_header (exactly 40 bytes) and pixels. Empty when info_header is not
// 40 bytes long.
std::string BitmapFileBytes(std::string_view info_header, std::string_view pixels);

}  // namespace zelo
