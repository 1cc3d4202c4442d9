#include "actions/shared/bitmap_file.h"

namespace zelo {

namespace {

void PutLittleEndian(std::string* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

uint32_t BitmapRowBytes(int32_t width, uint16_t bit_count) {
  if (width <= 0) return 0;
  const uint64_t bits = static_cast<uint64_t>(width) * bit_count;
  return static_cast<uint32_t>((bits + 31) / 32 * 4);
}

std::string BitmapFileBytes(std::string_view info_header, std::string_view pixels) {
  if (info_header.size() != kBitmapInfoHeaderSize) return {};
  std::string file;
  file.reserve(kBitmapHeadersSize + pixels.size());
  file += "BM";
  PutLittleEndian(&file, static_cast<uint32_t>(pixels.size()) + kBitmapHeadersSize, 4);
  PutLittleEndian(&file, 0, 4);
  PutLittleEndian(&file, kBitmapHeadersSize, 4);
  file.append(info_header);
  file.append(pixels);
  return file;
}

}  // namespace zelo
