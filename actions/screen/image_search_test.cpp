#include "actions/screen/image_search.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "actions/screen/screen_color.h"

namespace zelo {
namespace {

constexpr uint32_t kMagentaRgb = 0xFF00FF;  // the same in both byte orders

// A screen (or a piece of one at left, top) whose pixels the tests set.
struct TestScreen {
  int32_t width, height, left = 0, top = 0;
  std::vector<uint32_t> pixels;  // exactly width * height: ASan catches any read outside

  TestScreen(int32_t w, int32_t h, uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  uint32_t& at(int32_t x, int32_t y) { return pixels[std::size_t(y - top) * width + (x - left)]; }
  ScreenFrame frame() const { return {pixels.data(), width, height, width, left, top}; }
  ScreenRegion whole() const { return {left, top, left + width - 1, top + height - 1}; }
};

BitmapPixels Image(int32_t w, int32_t h, uint32_t fill) { return {w, h, std::vector<uint32_t>(std::size_t(w) * h, fill)}; }

ImageSearchOptions Options(ScreenRegion region, int32_t tolerance = 0, uint32_t mask = kNoMask, bool slow = false) {
  ImageSearchOptions o;
  o.region = region;
  o.tolerance = tolerance;
  o.mask = mask;
  o.slow_scan = slow;
  return o;
}

// The search as a pixel-by-pixel scan, written straight from the rules it
// keeps: the primary pixel walk, a pixel search that continues after each
// hit, the right-edge skip to the next row, a fit check on every side, a
// row-major comparison and at most five logged potentials.
ImageSearchResult ReferenceSearch(const ScreenFrame& f, const BitmapPixels& img, const ImageSearchOptions& o) {
  ImageSearchResult res;
  res.width = img.width;
  res.height = img.height;
  const ScreenRegion r = o.region;
  const int W = img.width, H = img.height;
  if (r.right - r.left + 1 < W || r.bottom - r.top + 1 < H) return res;
  auto rgb = [](uint32_t c) { return c & 0xFFFFFF; };
  auto near = [&](uint32_t a, uint32_t b) {
    if (o.tolerance <= 0) return rgb(a) == rgb(b);
    for (int s = 0; s < 24; s += 8) {
      const int d = int(a >> s & 255) - int(b >> s & 255);
      if (d > o.tolerance || d < -o.tolerance) return false;
    }
    return true;
  };
  int px = 0, py = 0;
  uint32_t pc = 0;
  if (o.slow_scan) {
    pc = rgb(img.pixels[0]);
  } else {
    for (int k = 0; k < W * H; ++k)
      if (px == 0 && py == 0 && rgb(img.pixels[k]) != pc) px = k % W, py = k / W, pc = rgb(img.pixels[k]);
  }
  char line[512];
  std::snprintf(line, sizeof line,
                "\t*Find Image Size=[%d x %d]  Search Region=(%d,%d)->(%d,%d)\r\n\t*Scan Method: [%s]  Primary "
                "image pixel (%d, %d) [R=%d G=%d B=%d]\r\n",
                W, H, r.left, r.top, r.right, r.bottom,
                o.slow_scan ? "Non-Optimized Pixel Scan" : "Optimized Unique Pixel Scan", px, py, int(pc >> 16),
                int(pc >> 8 & 255), int(pc & 255));
  res.log = line;
  int sx = r.left, sy = r.top, logged = 0;
  for (;;) {
    int hx = -1, hy = -1;
    for (int y = sy; y <= r.bottom && hx < 0; ++y)
      for (int x = (y == sy ? sx : r.left); x <= r.right; ++x)
        if (near(f.At(x, y), pc)) {
          hx = x, hy = y;
          break;
        }
    if (hx < 0) return res;
    const int cx = hx - px, cy = hy - py;
    if (cx + W - 1 > r.right) {
      sx = r.left, sy = hy + 1;
      continue;
    }
    sx = hx + 1, sy = hy;
    if (cx < r.left || cy < r.top || cy + H - 1 > r.bottom) continue;
    bool all = true;
    for (int j = 0; j < H && all; ++j)
      for (int i = 0; i < W && all; ++i) {
        const uint32_t b = img.pixels[std::size_t(j) * W + i], s = f.At(cx + i, cy + j);
        if ((o.mask != kNoMask && rgb(b) == rgb(SwapRedBlue(o.mask))) || near(b, s)) continue;
        all = false;
        if (logged++ < 5) {
          std::snprintf(line, sizeof line,
                        "\tPotential at screen (%d, %d), but image pixel (%d, %d) [R=%d G=%d B=%d] doesn't match "
                        "screen pixel (%d, %d) [R=%d G=%d B=%d] %s\r\n",
                        cx, cy, i, j, int(b >> 16 & 255), int(b >> 8 & 255), int(b & 255), cx + i, cy + j,
                        int(s >> 16 & 255), int(s >> 8 & 255), int(s & 255),
                        logged == 5 ? "\r\n\t(No more potential matches will be logged during this scan)" : "");
          res.log += line;
        }
      }
    if (all) {
      res.found = true, res.x = cx, res.y = cy;
      return res;
    }
  }
}

TEST(ImageSearch, AgreesWithAPixelByPixelScanOnRandomScreens) {
  std::mt19937 rng(20240611);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  int found = 0, logged_five = 0;
  for (int round = 0; round < 4000; ++round) {
    TestScreen screen(pick(1, 40), pick(1, 30));
    screen.left = pick(0, 3) == 0 ? pick(1, 500) : 0;
    screen.top = pick(0, 3) == 0 ? pick(1, 500) : 0;
    // Few colours make many candidates and near misses; the top byte is noise.
    const uint32_t palette[] = {0x102030, 0x102031, 0x405060, kMagentaRgb, 0x108030};
    const int colours = pick(1, 5);
    for (uint32_t& p : screen.pixels) p = palette[pick(0, colours - 1)] | uint32_t(pick(0, 255)) << 24;

    BitmapPixels img;
    img.width = pick(1, std::min(8, screen.width));
    img.height = pick(1, std::min(6, screen.height));
    const int ox = screen.left + pick(0, screen.width - img.width), oy = screen.top + pick(0, screen.height - img.height);
    for (int j = 0; j < img.height; ++j)
      for (int i = 0; i < img.width; ++i) img.pixels.push_back(screen.frame().At(ox + i, oy + j) & 0xFFFFFF);
    if (pick(0, 2) == 0) img.pixels[std::size_t(pick(0, int(img.pixels.size()) - 1))] = palette[pick(0, 4)];

    ScreenRegion region = screen.whole();
    if (pick(0, 1) == 0) {
      region.left += pick(0, screen.width - 1), region.top += pick(0, screen.height - 1);
      region.right = pick(region.left, screen.left + screen.width - 1);
      region.bottom = pick(region.top, screen.top + screen.height - 1);
    }
    const int tolerances[] = {0, 0, 1, 30, 255};
    const ImageSearchOptions o = Options(region, tolerances[pick(0, 4)], pick(0, 2) == 0 ? kMaskMagenta : kNoMask,
                                         pick(0, 3) == 0);
    const ImageSearchResult want = ReferenceSearch(screen.frame(), img, o);
    const ImageSearchResult got = ImageSearch(screen.frame(), img, o);
    ASSERT_EQ(got.found, want.found) << "round " << round;
    ASSERT_EQ(got.x, want.x) << "round " << round;
    ASSERT_EQ(got.y, want.y) << "round " << round;
    ASSERT_EQ(got.log, want.log) << "round " << round;
    EXPECT_EQ(got.width, img.width);
    found += got.found;
    logged_five += got.log.find("(No more potential") != std::string::npos;
  }
  // The rounds must reach both outcomes and the end of the logged potentials.
  EXPECT_GT(found, 1000);
  EXPECT_LT(found, 3900);
  EXPECT_GT(logged_five, 50);
}

TEST(ImageSearch, PrimaryPixelIsTheFirstColourUnlikeTheTopLeft) {
  BitmapPixels black_white = Image(2, 1, 0x000000);
  black_white.pixels[1] = 0xFFFFFF;
  BitmapPixels grey_rows = Image(3, 2, 0x808080);
  grey_rows.pixels[3] = 0xFFFFFF;
  const BitmapPixels one_colour = Image(3, 3, 0x123456);
  EXPECT_EQ(ChoosePrimaryPixel(black_white, false).x, 1);
  EXPECT_EQ(ChoosePrimaryPixel(grey_rows, false).y, 1);
  EXPECT_EQ(ChoosePrimaryPixel(grey_rows, false).x, 0);
  EXPECT_EQ(ChoosePrimaryPixel(one_colour, false).rgb, 0x123456u);
  EXPECT_EQ(ChoosePrimaryPixel(grey_rows, true).y, 0) << "SlowPixelScan takes the top-left pixel";

  TestScreen screen(20, 10, 0x808080);
  screen.at(7, 6) = 0xFFFFFF;
  const ImageSearchResult r = ImageSearch(screen.frame(), grey_rows, Options(screen.whole()));
  ASSERT_TRUE(r.found);
  EXPECT_EQ(r.x, 7);
  EXPECT_EQ(r.y, 5);
  EXPECT_EQ(r.log,
            "\t*Find Image Size=[3 x 2]  Search Region=(0,0)->(19,9)\r\n"
            "\t*Scan Method: [Optimized Unique Pixel Scan]  Primary image pixel (0, 1) [R=255 G=255 B=255]\r\n");
}

TEST(ImageSearch, OnePixelImagesMasksAndToleranceFindWhatPixelSearchFinds) {
  TestScreen screen(30, 20, 0x000000);
  screen.at(12, 4) = 0x0000FF | 0xFF000000;  // blue, with a top byte a 32-bit screen may leave
  screen.at(25, 15) = 0x0000FF;
  const PixelSearchResult pixel = PixelSearch(screen.frame(), 0xFF0000, screen.whole(), 0, 0, 0);
  ASSERT_TRUE(pixel.found);
  EXPECT_EQ(pixel.x, 12);
  const ImageSearchResult one = ImageSearch(screen.frame(), Image(1, 1, 0x0000FF), Options(screen.whole()));
  EXPECT_TRUE(one.found && one.x == pixel.x && one.y == pixel.y);

  // Magenta except one blue pixel: found wherever that pixel fits.
  BitmapPixels masked = Image(4, 4, kMagentaRgb);
  masked.pixels[2 * 4 + 1] = 0x0000FF;
  const ImageSearchResult m = ImageSearch(screen.frame(), masked, Options(screen.whole(), 0, kMaskMagenta));
  EXPECT_TRUE(m.found && m.x == 11 && m.y == 2);
  EXPECT_FALSE(ImageSearch(screen.frame(), masked, Options(screen.whole())).found) << "unmasked magenta compares";

  // Tolerance 255 matches any colour: the first pixel of the region.
  const PixelSearchResult any = PixelSearch(screen.frame(), 0x777777, {5, 6, 29, 19}, 255, 0, 0);
  EXPECT_TRUE(any.found && any.x == 5 && any.y == 6);
  // A start inside the region continues after an earlier hit; one outside it is ignored.
  const PixelSearchResult next = PixelSearch(screen.frame(), 0xFF0000, screen.whole(), 0, 13, 4);
  EXPECT_TRUE(next.found && next.x == 25 && next.y == 15);
  EXPECT_EQ(PixelSearch(screen.frame(), 0xFF0000, screen.whole(), 0, 99, 99).x, 12);
}

TEST(ImageSearch, MatchesLieInsideTheRegionAndEveryScanEnds) {
  // A 3x3 white block with its primary pixel (1, 0) right of a black top-left.
  BitmapPixels img = Image(3, 3, 0xFFFFFF);
  img.pixels[0] = 0x000000;
  TestScreen screen(12, 12, 0xFFFFFF);
  screen.at(4, 4) = 0x000000;  // the only place it matches: corner (4, 4)

  // Regions that hold the primary pixel's hit but not the whole image.
  for (ScreenRegion r : {ScreenRegion{5, 0, 11, 11}, ScreenRegion{0, 5, 11, 11}, ScreenRegion{0, 0, 11, 5},
                         ScreenRegion{0, 0, 5, 11}})
    EXPECT_FALSE(ImageSearch(screen.frame(), img, Options(r)).found) << r.left << "," << r.top;
  const ImageSearchResult exact = ImageSearch(screen.frame(), img, Options({4, 4, 6, 6}));
  EXPECT_TRUE(exact.found && exact.x == 4 && exact.y == 4) << "a region exactly the image's size";

  // The right-edge skip: the candidate at (10, 0) does not fit, the search goes
  // on in the next row without comparing it.
  TestScreen edge(12, 12, 0x000000);
  for (int y = 0; y < 12; ++y) edge.at(11, y) = 0xFFFFFF;
  const BitmapPixels black_white = {2, 1, {0x000000, 0xFFFFFF}};
  const ImageSearchResult skip = ImageSearch(edge.frame(), black_white, Options({0, 0, 11, 11}));
  EXPECT_TRUE(skip.found && skip.x == 10 && skip.y == 0);
  EXPECT_FALSE(ImageSearch(edge.frame(), black_white, Options({0, 0, 10, 11})).found);
  EXPECT_EQ(ImageSearch(edge.frame(), black_white, Options({0, 0, 10, 11})).log.find("Potential"), std::string::npos);

  // A mismatching candidate on the last column of the last row ends the
  // search (it once started again from the top, for ever).
  TestScreen last(8, 8, 0x000000);
  last.at(7, 7) = 0xFFFFFF;
  const BitmapPixels column = {1, 2, {0xFFFFFF, 0x00FF00}};
  const ImageSearchResult none = ImageSearch(last.frame(), column, Options({0, 0, 7, 7}));
  EXPECT_FALSE(none.found);

  // The stop check ends a search between rows, and says so.
  int rows = 0;
  const ImageSearchResult stopped =
      ImageSearch(screen.frame(), img, Options({0, 0, 11, 11}), [&] { return ++rows == 3; });
  EXPECT_TRUE(stopped.stopped && !stopped.found);
  EXPECT_NE(stopped.log.find("\tStop key pressed, aborting image search\r\n"), std::string::npos);
}

TEST(ImageSearch, UnreadableAndOversizedBitmapsFailWithAText) {
  BitmapPixels img;
  EXPECT_EQ(SearchImageFromBytes("a.bmp", "BM", &img), "Unable to read image 'a.bmp': not a BMP file");
  const std::string wide =
      BitmapFileBytes(std::string("\x28\0\0\0\x41\x06\0\0\x01\0\0\0\x01\0\x20\0", 16) + std::string(24, '\0'),
                      std::string(1601 * 4, '\0'));
  EXPECT_EQ(SearchImageFromBytes("w.bmp", wide, &img),
            "Unable to read image 'w.bmp': the image is 1601 x 1 pixels, larger than 1600 x 1632");
  EXPECT_TRUE(img.pixels.empty());
  EXPECT_NE(LoadSearchImage("/nonexistent/x.bmp", &img).find("'/nonexistent/x.bmp': the file does not exist"),
            std::string::npos);
}

}  // namespace
}  // namespace zelo
