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

}  // namespace
}  // namespace zelo
