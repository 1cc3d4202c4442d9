#include "ui/recent_files.h"

#include <gtest/gtest.h>

#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

class RecentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { UseSettings(&store_); }
  void TearDown() override { UseSettings(nullptr); }
  void Store(std::initializer_list<const char*> entries) {
    int n = 1;
    for (const char* e : entries) WriteSetting(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", n++), e);
  }
  static std::string Entry(int n) { return ReadSettingText(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", n)); }
  static bool Exists(int n) { return SettingExists(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", n)); }
  MemorySettings store_;
};

using List = std::vector<std::string>;

TEST_F(RecentFilesTest, AddingPutsTheFileFirst) {
  AddToRecentFiles("C:\\a.zxm");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\a.zxm"}));
  AddToRecentFiles("C:\\b.zxm");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\b.zxm", "C:\\a.zxm"}));
  EXPECT_EQ(Entry(1), "C:\\b.zxm");
  EXPECT_EQ(Entry(2), "C:\\a.zxm");
  EXPECT_FALSE(Exists(3));
}

TEST_F(RecentFilesTest, AddingAListedFileMovesItUpWithoutDuplicate) {
  Store({"C:\\a.zxm", "C:\\b.zxm", "C:\\c.zxm", "C:\\d.zxm"});
  AddToRecentFiles("c:\\C.ZXM");  // same file, other case
  EXPECT_EQ(ReadRecentFiles(), List({"c:\\C.ZXM", "C:\\a.zxm", "C:\\b.zxm", "C:\\d.zxm"}));
  EXPECT_FALSE(Exists(5));
}

TEST_F(RecentFilesTest, AddingTheFirstEntryAgainChangesNothingElse) {
  Store({"C:\\a.zxm", "C:\\b.zxm"});
  AddToRecentFiles("C:\\a.zxm");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\a.zxm", "C:\\b.zxm"}));
}

TEST_F(RecentFilesTest, TheNinthDropsOffAFullList) {
  Store({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  AddToRecentFiles("new");
  EXPECT_EQ(ReadRecentFiles(), List({"new", "1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_FALSE(Exists(10));
}

// A path that begins like a listed one is another file: both stay listed.
TEST_F(RecentFilesTest, PathsThatShareABeginningAreDifferentFiles) {
  Store({"C:\\s\\a.zxm", "C:\\s\\b.zxm"});
  AddToRecentFiles("C:\\s\\a.zxm.bak");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\s\\a.zxm.bak", "C:\\s\\a.zxm", "C:\\s\\b.zxm"}));
  AddToRecentFiles("C:\\s\\a");
  EXPECT_EQ(ReadRecentFiles().size(), 4u);
}

TEST_F(RecentFilesTest, GapsAreClosed) {
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile1", "C:\\a.zxm");
  WriteSetting("SOFTWARE\\Zelomat\\RecentFile4", "C:\\d.zxm");
  AddToRecentFiles("C:\\n.zxm");
  EXPECT_EQ(Entry(1), "C:\\n.zxm");
  EXPECT_EQ(Entry(2), "C:\\a.zxm");
  EXPECT_EQ(Entry(3), "C:\\d.zxm");
  EXPECT_FALSE(Exists(4));
}

TEST_F(RecentFilesTest, EmptyPathIsNotListed) {
  Store({"C:\\a.zxm"});
  AddToRecentFiles("");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\a.zxm"}));
}

TEST_F(RecentFilesTest, RemovingMovesTheLaterEntriesUp) {
  Store({"C:\\a.zxm", "C:\\b.zxm", "C:\\c.zxm"});
  RemoveFromRecentFiles("C:\\B.zxm");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\a.zxm", "C:\\c.zxm"}));
  EXPECT_FALSE(Exists(3));  // no copy of the last entry left behind
}

TEST_F(RecentFilesTest, RemovingTheOnlyAndLastEntries) {
  Store({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  RemoveFromRecentFiles("9");
  EXPECT_EQ(ReadRecentFiles().size(), 8u);
  EXPECT_FALSE(Exists(9));
  Store({"only"});
  for (int n = 2; n <= 9; ++n) DeleteSetting(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", n));
  RemoveFromRecentFiles("only");
  EXPECT_TRUE(ReadRecentFiles().empty());
  EXPECT_FALSE(Exists(1));
}

TEST_F(RecentFilesTest, RemovingAnUnlistedFileWritesNothing) {
  Store({"C:\\a.zxm"});
  RemoveFromRecentFiles("C:\\a.zx");
  EXPECT_EQ(ReadRecentFiles(), List({"C:\\a.zxm"}));
}

}  // namespace
}  // namespace zelo
