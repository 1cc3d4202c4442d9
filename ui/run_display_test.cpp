#include "ui/run_display.h"

#include <gtest/gtest.h>

#include <thread>

namespace zelo {
namespace {

TEST(RunDisplay, ATakeShowsTheLinesInOrderTheLatestStatusAndStepThenNothing) {
  RunDisplay display(100);
  display.AddLine("[STEP 1]: Comment\r\n");
  display.SetStatus(0, "[STEP 1]: Comment");
  display.FollowStep(0, 0);
  display.AddLine("[STEP 2]: Comment\r\n");
  display.SetStatus(0, "[STEP 2]: Comment");
  display.SetStatus(1, "Loops: 1");
  display.FollowStep(0, 1);
  display.SetStatus(7, "no such part");
  RunDisplay::Shown shown = display.Take();
  EXPECT_EQ(shown.lines, "[STEP 1]: Comment\r\n[STEP 2]: Comment\r\n");
  EXPECT_FALSE(shown.replace_all);
  EXPECT_EQ(shown.status[0], "[STEP 2]: Comment");
  EXPECT_EQ(shown.status[1], "Loops: 1");
  EXPECT_FALSE(shown.status[2]);
  EXPECT_EQ(shown.step, 1);

  RunDisplay::Shown again = display.Take();
  EXPECT_EQ(again.lines, "");
  EXPECT_FALSE(again.status[0]);
  EXPECT_EQ(again.step, -1);
}

// A run far faster than the screen keeps only the newest lines between two
// takes, and says that the palette's older text must go.
TEST(RunDisplay, KeepsTheNewestLinesAndAsksForTheOldTextToGo) {
  RunDisplay display(3);
  for (int i = 1; i <= 5; ++i) display.AddLine(std::to_string(i) + "\r\n");
  RunDisplay::Shown shown = display.Take();
  EXPECT_EQ(shown.lines, "3\r\n4\r\n5\r\n");
  EXPECT_TRUE(shown.replace_all);
  display.AddLine("6\r\n");
  EXPECT_FALSE(display.Take().replace_all);
}

TEST(RunDisplay, LinesFromTwoThreadsAreNeitherLostNorMixed) {
  RunDisplay display(100000);
  auto writer = [&display](char c) {
    for (int i = 0; i < 5000; ++i) display.AddLine(std::string(8, c) + "\r\n");
  };
  std::thread a(writer, 'a');
  std::thread b(writer, 'b');
  std::string all;
  while (all.size() < 10000 * 10) {
    all += display.Take().lines;
    if (all.size() < 10000 * 10) std::this_thread::yield();
  }
  a.join();
  b.join();
  all += display.Take().lines;
  ASSERT_EQ(all.size(), 10000u * 10);
  for (std::size_t at = 0; at < all.size(); at += 10)
    EXPECT_TRUE(all.compare(at, 10, "aaaaaaaa\r\n") == 0 || all.compare(at, 10, "bbbbbbbb\r\n") == 0) << at;
}

}  // namespace
}  // namespace zelo
