#include "actions/screen/screen_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "actions/screen/screen_test_support.h"
#include "actions/shared/png_file.h"

namespace zelo {
namespace {

using test::CutImage;
using test::FakeScreen;

ScreenSearchFields Fields(std::string_view start = "", std::string_view stop = "", std::string_view tolerance = "",
                          bool show_scan = false) {
  ScreenSearchFields f;
  f.start = start;
  f.stop = stop;
  f.tolerance = tolerance;
  f.show_scan = show_scan;
  return f;
}

FakeScreen RandomScreen(int32_t width, int32_t height) {
  FakeScreen screen(width, height, 0);
  std::mt19937 rng(12);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) screen.at(x, y) = rng() & 0xFFFFFF;
  return screen;
}

TEST(FindImageOnScreen, CapturesTheRegionOnceAndSearchesItAtIdlePriority) {
  FakeScreen screen = RandomScreen(200, 100);
  const BitmapPixels corner = CutImage(screen, 190, 92, 10, 8);  // the last column and row
  const SearchStop idle_while_scanning = [&screen] {
    EXPECT_TRUE(screen.idle);
    return false;
  };

  ScreenSearchResult r = FindImageOnScreen(screen, corner, kNoMask, false, Fields(), idle_while_scanning);
  EXPECT_TRUE(r.found && r.x == 190 && r.y == 92) << r.log;
  EXPECT_EQ(r.width, 10);
  ASSERT_EQ(screen.captures.size(), 1u);
  EXPECT_EQ(screen.captures[0], (ScreenRegion{0, 0, 199, 99})) << "no region: the whole screen, and no more";
  EXPECT_EQ(screen.calls, (std::vector<std::string>{"idle", "normal"}));
  EXPECT_NE(r.log.find("Search Region=(0,0)->(199,99)"), std::string::npos);

  // A start with an empty stop field searches to the screen's bottom-right corner.
  screen.captures.clear();
  r = FindImageOnScreen(screen, corner, kNoMask, false, Fields("100,50"), {});
  EXPECT_TRUE(r.found && r.x == 190 && r.y == 92);
  EXPECT_EQ(screen.captures.at(0), (ScreenRegion{100, 50, 199, 99}));
  // A region one pixel short of the image on any side finds nothing.
  EXPECT_FALSE(FindImageOnScreen(screen, corner, kNoMask, false, Fields("100,50", "198,99"), {}).found);
  EXPECT_FALSE(FindImageOnScreen(screen, corner, kNoMask, false, Fields("191,50", "199,99"), {}).found);

  screen.fail_capture = true;
  r = FindImageOnScreen(screen, corner, kNoMask, false, Fields(), {});
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.error, "Unable to read the screen");
}

TEST(FindPixelOnScreen, ReadsToleranceAndRegionFromTheFields) {
  FakeScreen screen(50, 40, 0x000000);
  screen.at(30, 20) = 0x0A0A0A;
  EXPECT_FALSE(FindPixelOnScreen(screen, 0x0F0F0F, Fields(), {}).found);
  ScreenSearchResult r = FindPixelOnScreen(screen, 0x0F0F0F, Fields("", "", "5"), {});
  EXPECT_TRUE(r.found && r.x == 30 && r.y == 20);
  EXPECT_FALSE(FindPixelOnScreen(screen, 0x0F0F0F, Fields("31,0", "49,39", "5"), {}).found);
  EXPECT_TRUE(screen.calls.empty()) << "pixel searches keep the process's priority";
}

// A 3 x 2 RGBA PNG: red, transparent, green / blue, (10, 20, 30), transparent.
const std::string kRgbaPng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x00\x03\x00\x00\x00\x02\x08\x06\x00"
    "\x00\x00\x9d\x74\x66\x1a\x00\x00\x00\x1c\x49\x44\x41\x54\x78\xda\x63\xf8\xcf\xc0\x00\x44\x0c\x20\x12\x44\xff"
    "\xff\xcf\x25\x22\xf7\x9f\x93\x93\x93\x01\x00\x66\x96\x07\x51\xbe\xe1\x56\xd9\x00\x00\x00\x00\x49\x45\x4e\x44"
    "\xae\x42\x60\x82",
    85);
// A 2000 x 1 grey PNG.
const std::string kWidePng(
    "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x07\xd0\x00\x00\x00\x01\x08\x00\x00"
    "\x00\x00\xa3\x96\x6a\xa1\x00\x00\x00\x17\x49\x44\x41\x54\x78\xda\x63\x60\x18\x05\xa3\x60\x14\x8c\x82\x51\x30"
    "\x0a\x46\xc1\x90\x07\x00\x07\xd1\x00\x01\xee\x19\x45\x94\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
    80);

TEST(SearchImage, PngTransparentPixelsMatchAnythingMaskedOrNot) {
  BitmapPixels png;
  ASSERT_EQ(SearchImageFromBytes("a.png", kRgbaPng, &png), "");
  ASSERT_EQ(png.width, 3);
  ASSERT_EQ(png.height, 2);
  EXPECT_EQ(png.pixels[0], 0xFF0000u);
  EXPECT_EQ(png.pixels[4], 0x0A141Eu);
  EXPECT_TRUE(png.pixels[1] & kTransparentPixel);
  EXPECT_TRUE(png.pixels[5] & kTransparentPixel);

  FakeScreen screen(20, 10, 0x777777);
  screen.Put(png, 12, 6);
  screen.at(13, 6) = 0x123456;  // under the transparent pixels: anything
  screen.at(14, 7) = 0xFF00FF;
  for (uint32_t mask : {kNoMask, kMaskMagenta}) {
    const ScreenSearchResult r = FindImageOnScreen(screen, png, mask, false, Fields(), {});
    EXPECT_TRUE(r.found && r.x == 12 && r.y == 6) << r.log;
  }
  // The primary pixel is never a transparent one.
  const ScreenSearchResult r = FindImageOnScreen(screen, png, kNoMask, false, Fields(), {});
  EXPECT_NE(r.log.find("Primary image pixel (2, 0) [R=0 G=255 B=0]"), std::string::npos) << r.log;

  EXPECT_EQ(SearchImageFromBytes("w.png", kWidePng, &png),
            "Unable to read image 'w.png': the image is 2000 x 1 pixels, larger than 1600 x 1632");
  const std::string cut = SearchImageFromBytes("t.png", kRgbaPng.substr(0, 60), &png);
  EXPECT_EQ(cut.rfind("Unable to read image 't.png': damaged PNG file (", 0), 0u) << cut;
  EXPECT_TRUE(png.pixels.empty());
}

TEST(FindImageOnScreen, TheScanDisplayShadesMarksAndFlashesFromTheCapture) {
  FakeScreen screen(60, 40, 0x000000);
  const BitmapPixels image{2, 1, {0x000000, 0xFFFFFF}};  // primary pixel (1, 0)
  screen.at(11, 5) = 0xFFFFFF;   // candidate (10, 5): no match
  screen.at(13, 5) = 0xFFFFFF;   // candidate (12, 5): within 4 pixels of the last marker
  screen.at(31, 20) = 0xFFFFFF;  // candidate (30, 20): the match
  screen.at(30, 20) = 0x000000;
  screen.at(10, 5) = 0x010101;
  screen.at(12, 5) = 0x010101;

  ScreenSearchResult r = FindImageOnScreen(screen, image, kNoMask, false, Fields("", "", "", true), {});
  ASSERT_TRUE(r.found && r.x == 30 && r.y == 20);
  EXPECT_EQ(screen.captures.at(0), (ScreenRegion{0, 0, 59, 39})) << "the display needs the whole screen";
  std::vector<std::string> want = {"idle", "normal", "keep", "pixels 0,0 58,39", "marker 10,5", "marker 30,20"};
  for (int turn = 0; turn < 11; ++turn) {
    want.push_back(turn % 2 == 0 ? "arrow 30,20 green" : "arrow 30,20 magenta");
    want.push_back("pause 250");
  }
  want.push_back("put back");
  EXPECT_EQ(screen.calls, want);

  // Not found: the scan stays a second; SlowPixelScan frames the region first.
  screen.calls.clear();
  r = FindImageOnScreen(screen, image, kNoMask, true, Fields("0,0", "20,20", "", true), {});
  EXPECT_FALSE(r.found);
  EXPECT_EQ(screen.calls.at(3), "frame 0,0 20,20");
  EXPECT_EQ(screen.calls.at(4), "pause 250");
  EXPECT_EQ(screen.calls.at(screen.calls.size() - 2), "pause 1000");
  // The stop key leaves out the rest of the display but puts the screen back.
  screen.calls.clear();
  r = FindImageOnScreen(screen, image, kNoMask, false, Fields("", "", "", true), [] { return true; });
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(screen.calls, (std::vector<std::string>{"idle", "normal", "keep", "put back"}));
}

TEST(ShadedScan, DimsThePixelsReadBeforeTheEndDrawnAboveLeft) {
  std::vector<uint32_t> pixels(5 * 4, 0xFF646464);
  const ScreenFrame frame{pixels.data(), 5, 4, 5, 0, 0};
  ScreenRegion drawn;
  // Read from (1, 1) to just before (3, 2), drawn one pixel above-left.
  const std::vector<uint32_t> out = ShadedScan(frame, {1, 1, 4, 3}, 3, 2, 1, 1, &drawn);
  EXPECT_EQ(drawn, (ScreenRegion{0, 0, 3, 2}));
  ASSERT_EQ(out.size(), 12u);
  EXPECT_EQ(out[0], 0x464646u) << "100 dimmed to 70";
  EXPECT_EQ(out[4 + 1], 0x464646u) << "read at (2, 2)";
  EXPECT_EQ(out[4 + 2], 0x646464u) << "(3, 2) was not read";
  EXPECT_EQ(out[8], 0x646464u);
}

}  // namespace
}  // namespace zelo
