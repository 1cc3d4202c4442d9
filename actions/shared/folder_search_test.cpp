#include "actions/shared/folder_search.h"

#include <gtest/gtest.h>

namespace zelo {
namespace {

TEST(WildcardMatch, MatchesStarsAndQuestionMarksWithoutRegardToCase) {
  EXPECT_TRUE(WildcardMatch("*.txt", "Notes.TXT"));
  EXPECT_FALSE(WildcardMatch("*.txt", "notes.txt.bak"));
  EXPECT_TRUE(WildcardMatch("a?c*", "abcdef"));
  EXPECT_FALSE(WildcardMatch("a?c", "ac"));
  EXPECT_TRUE(WildcardMatch("*a*b*", "xxaxxbxx"));
  EXPECT_TRUE(WildcardMatch("*.*", "README"));
  EXPECT_TRUE(WildcardMatch("report.*", "report"));
  EXPECT_FALSE(WildcardMatch("report", "report.txt"));
}

TEST(WildcardMatch, LongPatternsDoNotBlowUp) {
  const std::string name(5000, 'a');
  EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*b", name));
}

TEST(FilesLoopPattern, AFolderGetsItsFilesPattern) {
  EXPECT_EQ(FilesLoopPattern("C:\\data\\", false), "C:\\data\\*.*");
  EXPECT_EQ(FilesLoopPattern("C:\\data", false), "C:\\data\\*.*");
  EXPECT_EQ(FilesLoopPattern("C:\\my.data", true), "C:\\my.data\\*.*");
  EXPECT_EQ(FilesLoopPattern("C:\\data\\*.txt", false), "C:\\data\\*.txt");
  EXPECT_EQ(FilesLoopPattern("", false), "*.*");
}

}  // namespace
}  // namespace zelo
