#include "actions/path_checks.h"

#include <gtest/gtest.h>

#include <fstream>

#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

std::string LineOf(const std::string& path, int64_t n) {
  std::string line;
  return ReadTextLine(path, n, &line) ? line : "<none>";
}

TEST(ReadTextLine, EveryKindOfLineEndEndsALine) {
  test::TempFolder dir;
  const std::string path = dir.File("lines.txt");
  std::ofstream(path, std::ios::binary) << "one\r\ntwo\rthree\n\nfive";
  EXPECT_EQ(LineOf(path, 1), "one");
  EXPECT_EQ(LineOf(path, 2), "two");
  EXPECT_EQ(LineOf(path, 3), "three");
  EXPECT_EQ(LineOf(path, 4), "");
  EXPECT_EQ(LineOf(path, 5), "five");
  EXPECT_EQ(LineOf(path, 6), "<none>");
  EXPECT_EQ(LineOf(path, 0), "<none>");
  EXPECT_EQ(LineOf(dir.File("missing.txt"), 1), "<none>");
}

TEST(ReadTextLine, AFinalLineEndStartsNoLineAndLongLinesAreCut) {
  test::TempFolder dir;
  const std::string path = dir.File("long.txt");
  std::ofstream(path, std::ios::binary) << std::string(5000, 'x') << "\r\n";
  EXPECT_EQ(LineOf(path, 1).size(), kMaxLoopLine);
  EXPECT_EQ(LineOf(path, 2), "<none>");
}

TEST(PathChecks, TellFilesFromFolders) {
  test::TempFolder dir;
  std::ofstream(dir.File("f.txt")) << "x";
  EXPECT_TRUE(PathExists(dir.File("f.txt")));
  EXPECT_FALSE(FolderAtPath(dir.File("f.txt")));
  EXPECT_TRUE(FolderAtPath(dir.File("")));
  EXPECT_FALSE(PathExists(dir.File("nothing")));
  EXPECT_FALSE(PathExists(""));
}

}  // namespace
}  // namespace zelo
