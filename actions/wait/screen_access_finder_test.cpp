#include "actions/wait/screen_access_finder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "actions/screen/screen_test_support.h"
#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

TEST(CapturingScreenFinder, EachTryCapturesOnceAndTellsFoundStoppedOrWhyNot) {
  test::FakeScreen screen(60, 40, 0x202020);
  screen.at(30, 20) = 0x0000FF;
  screen.at(31, 20) = 0x00FF00;
  CapturingScreenFinder finder(screen);
  WaitSearchFields fields;
  fields.start = "10,10";

  ScreenFind pixel = finder.FindPixel(0xFF0000, fields, {});  // COLORREF blue is 0x0000FF on the screen
  EXPECT_EQ(pixel.outcome, FindOutcome::Found);
  EXPECT_TRUE(pixel.x == 30 && pixel.y == 20) << pixel.log;
  ASSERT_EQ(screen.captures.size(), 1u);
  EXPECT_EQ(screen.captures[0], (ScreenRegion{10, 10, 59, 39}));

  test::TempFolder folder;
  const std::string bmp = folder.File("two.bmp");
  std::ofstream(bmp, std::ios::binary) << test::BmpFile(test::CutImage(screen, 30, 20, 2, 1));
  fields.start.clear();
  ScreenFind image = finder.FindImage(bmp, kNoMask, fields, {});
  EXPECT_EQ(image.outcome, FindOutcome::Found);
  EXPECT_TRUE(image.x == 30 && image.y == 20) << image.log;
  EXPECT_EQ(finder.FindImage(bmp, kNoMask, fields, [] { return true; }).outcome, FindOutcome::Stopped);

  screen.fail_capture = true;
  image = finder.FindImage(bmp, kNoMask, fields, {});
  EXPECT_EQ(image.outcome, FindOutcome::NotFound);
  EXPECT_EQ(image.error, "Unable to read the screen");

  std::ofstream(folder.File("bad.bmp")) << "BM";
  image = finder.FindImage(folder.File("bad.bmp"), kMaskMagenta, fields, {});
  EXPECT_EQ(image.outcome, FindOutcome::NotFound);
  EXPECT_NE(image.error.find("Unable to read image '" + folder.File("bad.bmp") + "'"), std::string::npos);
}

}  // namespace
}  // namespace zelo
