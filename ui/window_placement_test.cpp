#include "ui/window_placement.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

const ScreenMetrics kScreen{1280, 1024, 136, 39};

TEST(MainWindowPlacement, NothingStoredUsesTheSystemDefault) {
  EXPECT_EQ(ChooseMainWindowPlacement(WindowRect{}, kScreen).kind, PlacementKind::SystemDefault);
  EXPECT_EQ(ChooseMainWindowPlacement(WindowRect{10, 10, 500, 0}, kScreen).kind, PlacementKind::SystemDefault);
}

TEST(MainWindowPlacement, UsableStoredRectangleIsKept) {
  WindowRect r{100, 50, 900, 700};
  MainWindowPlacement p = ChooseMainWindowPlacement(r, kScreen);
  EXPECT_EQ(p.kind, PlacementKind::Stored);
  EXPECT_EQ(p.rect.left, 100);
  EXPECT_EQ(p.rect.bottom, 700);
  // A maximised window's frame sits a few pixels off-screen.
  EXPECT_EQ(ChooseMainWindowPlacement(WindowRect{-4, -4, 1284, 1028}, kScreen).kind, PlacementKind::Stored);
  EXPECT_EQ(ChooseMainWindowPlacement(WindowRect{1279, 0, 1500, 400}, kScreen).kind, PlacementKind::Stored);
}

TEST(MainWindowPlacement, OffScreenOrTooSmallBecomesFullScreen) {
  for (WindowRect r : {WindowRect{-5, 0, 600, 400}, WindowRect{1280, 0, 1900, 400}, WindowRect{3000, 0, 3600, 400},
                       WindowRect{0, 0, 135, 400}, WindowRect{0, 0, 600, 38}}) {
    MainWindowPlacement p = ChooseMainWindowPlacement(r, kScreen);
    EXPECT_EQ(p.kind, PlacementKind::FullScreen) << r.left << "," << r.right << "," << r.bottom;
    EXPECT_EQ(p.rect.left, 0);
    EXPECT_EQ(p.rect.top, 0);
    EXPECT_EQ(p.rect.right, 1280);
    EXPECT_EQ(p.rect.bottom, 1024);
  }
}

TEST(MainWindowPlacement, StoredRectangleReadsNegativeEdges) {
  MemorySettings store;
  UseSettings(&store);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Left", static_cast<uint32_t>(-4));
  WriteSettingNumber("SOFTWARE\\Zelomat\\Top", static_cast<uint32_t>(-4));
  WriteSettingNumber("SOFTWARE\\Zelomat\\Right", 1284);
  WriteSettingNumber("SOFTWARE\\Zelomat\\Bottom", 1028);
  WindowRect r = ReadStoredMainWindowRect();
  UseSettings(nullptr);
  EXPECT_EQ(r.left, -4);
  EXPECT_EQ(r.top, -4);
  EXPECT_EQ(r.width(), 1288);
  EXPECT_EQ(r.height(), 1032);
}

}  // namespace
}  // namespace zelo
