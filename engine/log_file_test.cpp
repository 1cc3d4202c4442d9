#include "engine/log_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/run_test_fixture.h"

namespace zelo {
namespace log_file_test {
namespace {

using test::ReadWholeFile;
using test::TempFolder;

class LogFileWriterTest : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.File("log.txt");
  LogFileWriter writer;
};

TEST_F(LogFileWriterTest, ALongRunOpensTheFileOnceAndEveryLineIsThereWhenAppendReturns) {
  std::string expected;
  for (int i = 0; i < 1000; ++i) {
    const std::string line = "[STEP " + std::to_string(i + 1) + "]: Comment\r\n";
    ASSERT_TRUE(writer.Append(path, line));
    expected += line;
    if (i % 250 == 0) {
      EXPECT_EQ(ReadWholeFile(path), expected) << "visible to a reader at once";
    }
  }
  EXPECT_EQ(ReadWholeFile(path), expected);
  EXPECT_EQ(writer.opens(), 1u);
}

TEST_F(LogFileWriterTest, AFileDeletedByAnotherProgramIsStartedAnewAtThePath) {
#ifdef _WIN32
  // Wine keeps a deleted file's name until its last handle closes, so there
  // the open file cannot tell (Windows removes the name at once).
  GTEST_SKIP() << "a deleted file that is still open keeps its name under Wine";
#endif
  writer.Append(path, "one\r\n");
  std::remove(path.c_str());
  writer.Append(path, "two\r\n");
  EXPECT_EQ(ReadWholeFile(path), "two\r\n");
}

TEST_F(LogFileWriterTest, AFileMovedByAnotherProgramIsStartedAnewAtThePath) {
  writer.Append(path, "two\r\n");
  const std::string moved = folder.File("moved.txt");
  std::filesystem::rename(path, moved);
  writer.Append(path, "three\r\n");
  EXPECT_EQ(ReadWholeFile(moved), "two\r\n");
  EXPECT_EQ(ReadWholeFile(path), "three\r\n");
  // Replaced by another file of the same name: the new file gets the line.
  std::filesystem::rename(path, moved);
  { std::ofstream(path, std::ios::binary) << "another file\r\n"; }
  writer.Append(path, "four\r\n");
  EXPECT_EQ(ReadWholeFile(path), "another file\r\nfour\r\n");
  EXPECT_EQ(ReadWholeFile(moved), "three\r\n");
}

TEST_F(LogFileWriterTest, AnotherPathGetsTheNextLineAndMissingFoldersAreMade) {
  writer.Append(path, "one\r\n");
  const std::string deep = folder.File("a/b/log.txt");
  ASSERT_TRUE(writer.Append(deep, "two\r\n"));
  EXPECT_EQ(ReadWholeFile(path), "one\r\n");
  EXPECT_EQ(ReadWholeFile(deep), "two\r\n");
}

TEST_F(LogFileWriterTest, RemoveDeletesTheOpenFileAndTheNextLineStartsItAgain) {
  writer.Append(path, "old run\r\n");
  EXPECT_TRUE(writer.Remove(path));
  EXPECT_FALSE(std::filesystem::exists(path));
  writer.Append(path, "new run\r\n");
  EXPECT_EQ(ReadWholeFile(path), "new run\r\n");
}

}  // namespace
}  // namespace log_file_test
}  // namespace zelo
