// PNG files for the image search, decoded by the system's image library:
// the Windows Imaging Component in the program, libpng in the native build.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/bitmap_file.h"

namespace zelo {

// The eight bytes every PNG file starts with.
bool IsPngFile(std::string_view data);

// Decodes a whole PNG file of any colour type and depth into rows of
// 0x00RRGGBB; a fully transparent pixel becomes kTransparentPixel with its
// colour. A file wider than max_width or higher than max_height is refused
// before its pixels are decoded. False, with the reason in *error, for a
// damaged or truncated file, a zero-size image or one too large.
bool DecodePng(std::string_view data, int32_t max_width, int32_t max_height, BitmapPixels* out, std::string* error);

}  // namespace zelo
