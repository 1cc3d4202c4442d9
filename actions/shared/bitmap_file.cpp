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

namespace zelo {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kCompressionNone = 0;
constexpr uint32_t kCompressionBitFields = 3;
constexpr uint32_t kCompressionAlphaBitFields = 6;

uint32_t Read32(std::string_view d, std::size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(d[at + static_cast<std::size_t>(i)]);
  return v;
}

uint16_t Read16(std::string_view d, std::size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(d[at]) | static_cast<unsigned char>(d[at + 1]) << 8);
}

// One colour channel given by a bit mask, scaled to 0-255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;  // the largest value the mask holds after the shift

  explicit Channel(uint32_t m) : mask(m) {
    if (m == 0) return;
    while (((m >> shift) & 1) == 0) ++shift;
    max = m >> shift;
  }
  uint32_t Of(uint32_t value) const {
    if (max == 0) return 0;
    return static_cast<uint32_t>((static_cast<uint64_t>((value & mask) >> shift) * 255 + max / 2) / max);
  }
};

bool Fail(std::string* error, const char* why) {
  if (error != nullptr) *error = why;
  return false;
}

}  // namespace

bool DecodeBitmap(std::string_view data, BitmapPixels* out, std::string* error) {
  if (data.size() < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
  const uint32_t pixel_offset = Read32(data, 10);
  const uint32_t header_size = Read32(data, kFileHeaderSize);
  const bool core = header_size == kCoreHeaderSize;
  if (!core && header_size < kBitmapInfoHeaderSize) return Fail(error, "unknown bitmap header");
  if (data.size() < kFileHeaderSize + static_cast<uint64_t>(header_size)) return Fail(error, "truncated file");

  const std::size_t h = kFileHeaderSize;
  int64_t width, height;
  uint16_t bits;
  uint32_t compression = kCompressionNone, colors_used = 0;
  if (core) {
    width = Read16(data, h + 4);
    height = static_cast<int16_t>(Read16(data, h + 6));
    bits = Read16(data, h + 10);
  } else {
    width = static_cast<int32_t>(Read32(data, h + 4));
    height = static_cast<int32_t>(Read32(data, h + 8));
    bits = Read16(data, h + 14);
    compression = Read32(data, h + 16);
    colors_used = Read32(data, h + 32);
  }
  const bool top_down = height < 0;
  if (top_down) height = -height;
  if (width <= 0 || height <= 0) return Fail(error, "the image has no pixels");

  // Bit-field masks sit in the larger headers, or just after a 40-byte one.
  uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bits == 32 || bits == 24) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  std::size_t table_at = h + header_size;
  if (compression == kCompressionBitFields || compression == kCompressionAlphaBitFields) {
    if (bits != 16 && bits != 32) return Fail(error, "bit fields need 16 or 32 bits per pixel");
    const std::size_t masks_at = h + kBitmapInfoHeaderSize;
    const std::size_t masks_end = masks_at + (compression == kCompressionAlphaBitFields ? 16 : 12);
    if (table_at < masks_end) table_at = masks_end;
    if (data.size() < masks_end) return Fail(error, "truncated file");
    for (int i = 0; i < 3; ++i) masks[i] = Read32(data, masks_at + 4 * static_cast<std::size_t>(i));
  } else if (compression != kCompressionNone) {
    return Fail(error, "compressed bitmaps are not supported");
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return Fail(error, "unsupported number of bits per pixel");

  std::vector<uint32_t> palette;
  if (bits <= 8) {
    const uint32_t most = 1u << bits;
    const uint32_t count = colors_used == 0 || colors_used > most ? most : colors_used;
    const std::size_t entry = core ? 3 : 4;
    if (data.size() < table_at + count * entry) return Fail(error, "truncated file");
    for (uint32_t i = 0; i < count; ++i) {
      const std::size_t at = table_at + i * entry;
      palette.push_back(static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8 |
                        static_cast<uint32_t>(static_cast<unsigned char>(data[at + 2])) << 16);
    }
  }

  const uint64_t row_bytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
  // The last row needs only its pixels, not its padding.
  const uint64_t last_row_bytes = (static_cast<uint64_t>(width) * bits + 7) / 8;
  if (pixel_offset > data.size()) return Fail(error, "truncated file");
  const uint64_t available = data.size() - pixel_offset;
  if (available < last_row_bytes || (height > 1 && (available - last_row_bytes) / static_cast<uint64_t>(height - 1) < row_bytes))
    return Fail(error, "truncated file");

  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  out->width = static_cast<int32_t>(width);
  out->height = static_cast<int32_t>(height);
  out->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  for (int64_t y = 0; y < height; ++y) {
    const int64_t file_row = top_down ? y : height - 1 - y;
    const unsigned char* row =
        reinterpret_cast<const unsigned char*>(data.data()) + pixel_offset + file_row * row_bytes;
    uint32_t* to = &out->pixels[static_cast<std::size_t>(y * width)];
    for (int64_t x = 0; x < width; ++x) {
      uint32_t p;
      switch (bits) {
        case 32:
          p = static_cast<uint32_t>(row[4 * x]) | row[4 * x + 1] << 8 | row[4 * x + 2] << 16 |
              static_cast<uint32_t>(row[4 * x + 3]) << 24;
          break;
        case 24:
          p = static_cast<uint32_t>(row[3 * x]) | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
          break;
        case 16:
          p = static_cast<uint32_t>(row[2 * x]) | row[2 * x + 1] << 8;
          break;
        default: {
          const uint64_t bit = static_cast<uint64_t>(x) * bits;
          const uint32_t index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
          // An index past a short colour table is drawn black, as the system does.
          to[x] = index < palette.size() ? palette[index] : 0;
          continue;
        }
      }
      to[x] = red.Of(p) << 16 | green.Of(p) << 8 | blue.Of(p);
    }
  }
  return true;
}

}  // namespace zelo
