#include "actions/shared/bitmap_file.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

uint32_t Word32(const std::string& s, std::size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(BitmapFileBytes, WritesTheFileHeaderBeforeInfoAndPixels) {
  const std::string info(40, 'i');
  const std::string pixels(24, 'p');
  const std::string file = BitmapFileBytes(info, pixels);
  ASSERT_EQ(file.size(), 54u + 24u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(Word32(file, 2), 78u) << "pixel data size + 54";
  EXPECT_EQ(Word32(file, 6), 0u);
  EXPECT_EQ(Word32(file, 10), 54u);
  EXPECT_EQ(file.substr(14, 40), info);
  EXPECT_EQ(file.substr(54), pixels);
}

TEST(BitmapFileBytes, RefusesAnInfoHeaderOfTheWrongSize) { EXPECT_TRUE(BitmapFileBytes("short", "").empty()); }

TEST(BitmapRowBytes, PadsRowsToWholeWords) {
  EXPECT_EQ(BitmapRowBytes(1, 24), 4u);
  EXPECT_EQ(BitmapRowBytes(5, 24), 16u);
  EXPECT_EQ(BitmapRowBytes(3, 32), 12u);
  EXPECT_EQ(BitmapRowBytes(0, 32), 0u);
  EXPECT_EQ(BitmapRowBytes(-4, 32), 0u);
}

std::string Le(uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
  return s;
}

// A 40-byte information header.
std::string Info(int32_t w, int32_t h, uint16_t bits, uint32_t compression = 0, uint32_t colors = 0) {
  return Le(40, 4) + Le(static_cast<uint32_t>(w), 4) + Le(static_cast<uint32_t>(h), 4) + Le(1, 2) + Le(bits, 2) +
         Le(compression, 4) + Le(0, 4) + Le(0, 4) + Le(0, 4) + Le(colors, 4) + Le(0, 4);
}

BitmapPixels Decoded(const std::string& file) {
  BitmapPixels out;
  std::string error;
  EXPECT_TRUE(DecodeBitmap(file, &out, &error)) << error;
  return out;
}

TEST(DecodeBitmap, ReadsEveryUncompressedLayoutTopRowFirst) {
  // 24 bits, bottom-up, rows padded to 8 bytes: B G R per pixel.
  const BitmapPixels rgb24 = Decoded(BitmapFileBytes(
      Info(2, 2, 24), std::string("\x03\x02\x01\x06\x05\x04\0\0\x09\x08\x07\x0C\x0B\x0A\0\0", 16)));
  EXPECT_EQ(rgb24.pixels, (std::vector<uint32_t>{0x070809, 0x0A0B0C, 0x010203, 0x040506}));
  // 32 bits, top-down (negative height): the fourth byte is dropped.
  const BitmapPixels rgb32 = Decoded(BitmapFileBytes(Info(1, -2, 32), Le(0xFF112233, 4) + Le(0x00445566, 4)));
  EXPECT_EQ(rgb32.pixels, (std::vector<uint32_t>{0x112233, 0x445566}));
  // 16 bits with 5-6-5 bit fields after the header: white and pure green.
  std::string fields = BitmapFileBytes(Info(2, 1, 16, 3), Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4) +
                                                               Le(0xFFFF, 2) + Le(0x07E0, 2));
  fields.replace(10, 4, Le(54 + 12, 4));  // the pixels start after the masks
  EXPECT_EQ(Decoded(fields).pixels, (std::vector<uint32_t>{0xFFFFFF, 0x00FF00}));
  // 1 bit with a two-colour table, leftmost pixel in the high bit.
  std::string mono = BitmapFileBytes(Info(3, 1, 1, 0, 2), Le(0x0000FF, 4) + Le(0xFF0000, 4) + Le(0xA0, 4));
  mono.replace(10, 4, Le(54 + 8, 4));
  EXPECT_EQ(Decoded(mono).pixels, (std::vector<uint32_t>{0xFF0000, 0x0000FF, 0xFF0000}));
}

TEST(DecodeBitmap, RefusesWhatItCannotReadWithAReason) {
  BitmapPixels out;
  std::string error;
  const std::string good = BitmapFileBytes(Info(2, 2, 24), std::string(16, '\0'));
  EXPECT_FALSE(DecodeBitmap(good.substr(0, good.size() - 3), &out, &error));
  EXPECT_EQ(error, "truncated file") << "the last row's padding may be missing, its pixels may not";
  EXPECT_TRUE(DecodeBitmap(good.substr(0, good.size() - 2), &out, &error));
  EXPECT_FALSE(DecodeBitmap(BitmapFileBytes(Info(0, 5, 24), ""), &out, &error));
  EXPECT_EQ(error, "the image has no pixels");
  EXPECT_FALSE(DecodeBitmap(BitmapFileBytes(Info(2, 2, 8, 1), std::string(64, '\0')), &out, &error));
  EXPECT_EQ(error, "compressed bitmaps are not supported");
  EXPECT_FALSE(DecodeBitmap("MB" + good.substr(2), &out, &error));
  EXPECT_FALSE(DecodeBitmap(BitmapFileBytes(Info(0x40000000, 0x40000000, 32), "x"), &out, &error))
      << "a huge header must not allocate";
}

}  // namespace
}  // namespace zelo
