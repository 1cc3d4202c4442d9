#include "actions/shared/file_routines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/shared/file_line_reader.h"
#include "actions/shared/file_test_support.h"

namespace zelo {
namespace {

using test::ScratchFiles;

TEST(FileExists, FindsFilesFoldersAndPatterns) {
  ScratchFiles files;
  files.Write("a b.txt", "x");
  files.Write("sub/c.log", "y");
  EXPECT_TRUE(FileExists(files.Path("a b.txt")));
  EXPECT_TRUE(FileExists(files.Path("sub")));
  EXPECT_TRUE(FileExists(files.Path("sub") + kPathSeparator));
  EXPECT_TRUE(FileExists(files.Path("*.txt")));
  EXPECT_TRUE(FileExists(files.Path("sub/?.LOG")));
  EXPECT_FALSE(FileExists(files.Path("*.doc")));
  EXPECT_FALSE(FileExists(files.Path("missing.txt")));
  EXPECT_FALSE(FileExists(""));
}

TEST(FolderExists, OnlyForFolders) {
  ScratchFiles files;
  files.Write("f.txt", "x");
  EXPECT_TRUE(FolderExists(files.root()));
  EXPECT_FALSE(FolderExists(files.Path("f.txt")));
  EXPECT_FALSE(FolderExists(files.Path("nothing")));
  EXPECT_FALSE(FolderExists(""));
}

TEST(FileSize, SizeOfFilesAndZeroForWhatCannotBeOpened) {
  ScratchFiles files;
  EXPECT_EQ(FileSize(files.Write("f.bin", std::string(3000, 'z'))), 3000u);
  EXPECT_EQ(FileSize(files.Path("missing")), 0u);
  EXPECT_EQ(FileSize(files.root()), 0u);
}

TEST(MakeFolderPath, CreatesEveryMissingParent) {
  ScratchFiles files;
  EXPECT_TRUE(MakeFolderPath(files.Path("one/two words/three")));
  EXPECT_TRUE(FolderExists(files.Path("one/two words/three")));
  EXPECT_TRUE(MakeFolderPath(files.Path("one/two words/three")));  // already there
  EXPECT_TRUE(MakeFolderPath(files.Path("four") + kPathSeparator));
  EXPECT_TRUE(FolderExists(files.Path("four")));
}

TEST(MakeFolderPath, FailsWhereAFileIsInTheWay) {
  ScratchFiles files;
  files.Write("block", "x");
  std::string error;
  EXPECT_FALSE(MakeFolderPath(files.Path("block"), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(MakeFolderPath(files.Path("block/inner"), &error));
  EXPECT_EQ(files.Read("block"), "x");
  EXPECT_FALSE(MakeFolderPath(""));
}

TEST(OpenForWrite, CreatesFolderAndFileAndNeverTruncates) {
  ScratchFiles files;
  {
    SystemFile file = OpenForWrite(files.Path("new folder/out.txt"));
    ASSERT_TRUE(file.is_open());
    ASSERT_TRUE(file.Write("hello world", 11));
  }
  {
    SystemFile file = OpenForWrite(files.Path("new folder/out.txt"));
    ASSERT_TRUE(file.is_open());
    ASSERT_TRUE(file.Write("HELLO", 5));
  }
  EXPECT_EQ(files.Read("new folder/out.txt"), "HELLO world");
  std::string error;
  files.Write("plain", "x");
  EXPECT_FALSE(OpenForWrite(files.Path("plain/out.txt"), &error).is_open());
  EXPECT_FALSE(error.empty());
}

TEST(AppendToFile, AppendsToAPathOrAnOpenFile) {
  ScratchFiles files;
  const std::string path = files.Path("log/run.txt");
  EXPECT_TRUE(AppendToFile(nullptr, path, "one\r\n"));
  EXPECT_TRUE(AppendToFile(nullptr, path, "two\r\n"));
  {
    SystemFile file = OpenForWrite(path);
    ASSERT_TRUE(file.is_open());
    EXPECT_TRUE(AppendToFile(&file, "", "three"));
  }
  EXPECT_EQ(files.Read("log/run.txt"), "one\r\ntwo\r\nthree");
}

TEST(AppendToFile, EmptyTextOrNoTargetWritesNothing) {
  ScratchFiles files;
  EXPECT_TRUE(AppendToFile(nullptr, files.Path("none.txt"), ""));
  EXPECT_FALSE(files.Exists("none.txt"));
  EXPECT_FALSE(AppendToFile(nullptr, "", "text"));
}

std::string Line(const std::string& path, int64_t n, std::size_t* result = nullptr) {
  std::string line;
  const std::size_t r = ReadFileLine(path, n, &line);
  if (result) *result = r;
  return line;
}

TEST(ReadFileLine, ReadsLinesOfEveryLineEnd) {
  ScratchFiles files;
  const std::string path = files.Write("t.txt", "first\r\nsecond\nthird\rfourth\r\n\r\nlast");
  const std::vector<std::string> want = {"first", "second", "third", "fourth", "", "last"};
  for (std::size_t i = 0; i < want.size(); ++i) {
    std::size_t result = 0;
    EXPECT_EQ(Line(path, static_cast<int64_t>(i + 1), &result), want[i]) << "line " << i + 1;
    EXPECT_EQ(result, want[i].size() + 1);
  }
  std::size_t result = 1;
  EXPECT_EQ(Line(path, 7, &result), "");
  EXPECT_EQ(result, 0u);
}

TEST(ReadFileLine, LinesBeyondTheEndAndBadNumbersFindNothing) {
  ScratchFiles files;
  const std::string two = files.Write("two.txt", "a\r\nb");
  std::size_t result = 1;
  EXPECT_EQ(Line(two, 3, &result), "");
  EXPECT_EQ(result, 0u);
  std::string line = "stale";
  EXPECT_EQ(ReadFileLine(two, 0, &line), 0u);
  EXPECT_EQ(line, "");
  EXPECT_EQ(ReadFileLine(two, -5, &line), 0u);
  EXPECT_EQ(ReadFileLine(two, INT64_MAX, &line), 0u);
  EXPECT_EQ(ReadFileLine(files.Write("empty.txt", ""), 1, &line), 0u);
  EXPECT_EQ(ReadFileLine(files.Path("missing.txt"), 1, &line), 0u);
  EXPECT_EQ(ReadFileLine(files.root(), 1, &line), 0u);
  EXPECT_EQ(ReadFileLine("", 1, &line), 0u);
}

TEST(ReadFileLine, AnEndedLastLineIsAnEmptyLine) {
  ScratchFiles files;
  const std::string path = files.Write("t.txt", "a\r\n");
  std::size_t result = 0;
  EXPECT_EQ(Line(path, 2, &result), "");
  EXPECT_EQ(result, 1u);
  EXPECT_EQ(Line(path, 3, &result), "");
  EXPECT_EQ(result, 0u);
}

TEST(ReadFileLine, WholeFileWithoutLineEndsIsLineOneCutAt1023) {
  ScratchFiles files;
  std::string text;
  for (int i = 0; i < 3000; ++i) text += static_cast<char>('a' + i % 26);
  const std::string path = files.Write("long.txt", text + "\nnext");
  std::size_t result = 0;
  EXPECT_EQ(Line(path, 1, &result), text.substr(0, kMaxFileLine));
  EXPECT_EQ(result, kMaxFileLine + 1);
  EXPECT_EQ(Line(path, 2), "next");
  char small[8];
  EXPECT_EQ(ReadFileLine(path, 1, small, sizeof small), kMaxFileLine + 1);
  EXPECT_STREQ(small, "abcdefg");
}

TEST(ReadFileLine, SeesAFileChangedBetweenReads) {
  ScratchFiles files;
  const std::string path = files.Write("t.txt", "one\r\ntwo\r\nthree");
  EXPECT_EQ(Line(path, 2), "two");
  files.Write("t.txt", "uno\r\ndos\r\ntres\r\ncuatro");
  EXPECT_EQ(Line(path, 3), "tres");
  EXPECT_EQ(Line(path, 1), "uno");
  {
    SystemFile file = OpenForWrite(path);  // same size, written by the program itself
    ASSERT_TRUE(file.Write("UNO", 3));
  }
  EXPECT_EQ(Line(path, 1), "UNO");
}

TEST(ReadFileLine, WritingOtherFilesBetweenLinesDoesNotStartTheReadOver) {
  ScratchFiles files;
  std::string text;
  for (int i = 0; i < 40000; ++i) text += "line number " + std::to_string(i) + "\r\n";
  const std::string path = files.Write("lines.txt", text);
  const std::string log = files.Path("log.txt");
  const uint64_t before = FileLineBytesRead();
  std::string line;
  for (int i = 1; i <= 40000; ++i) {
    const std::size_t result = ReadFileLine(path, i, &line);
    ASSERT_EQ(line, "line number " + std::to_string(i - 1));
    ASSERT_EQ(result, line.size() + 1);
    if (i % 100 == 0) {
      ASSERT_TRUE(AppendToFile(nullptr, log, "step\r\n"));  // as a run log writes
    }
  }
  EXPECT_LT(FileLineBytesRead() - before, text.size() + text.size() / 100);
  // Writing the file itself is seen at once.
  ASSERT_TRUE(AppendToFile(nullptr, path, "appended"));
  EXPECT_EQ(Line(path, 40001), "appended");
}

// A file of several pieces whose lines, of every length, straddle the piece
// boundaries, with CR LF pairs split between two pieces.
std::string ManyLines(std::vector<std::string>* lines, std::size_t bytes) {
  std::string text;
  for (uint32_t i = 0; text.size() < bytes; ++i) {
    std::string line = "line " + std::to_string(i) + std::string(i * 7919 % 200, 'x');
    lines->push_back(line);
    text += line;
    text += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
  }
  return text;
}

TEST(FileLineReader, CountsLinesAcrossPiecesOfALargeFile) {
  ScratchFiles files;
  std::vector<std::string> lines;
  std::string text = ManyLines(&lines, 3 * kFileLinePiece + 12345);
  // A CR LF pair split between the first piece and the second.
  const std::size_t boundary = kFileLinePiece - 1;
  text[boundary] = '\r';
  text[boundary + 1] = '\n';
  lines.clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  lines.push_back(text.substr(start));
  const std::string path = files.Write("big.txt", text);

  FileLineReader reader;
  std::string line;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_TRUE(reader.Read(path, static_cast<int64_t>(i + 1), kMaxFileLine, &line)) << "line " << i + 1;
    ASSERT_EQ(line, lines[i]) << "line " << i + 1;
  }
  EXPECT_FALSE(reader.Read(path, static_cast<int64_t>(lines.size() + 1), kMaxFileLine, &line));
  // In order, the file was read about once, not once per line.
  EXPECT_LT(reader.bytes_read(), text.size() + text.size() / 100);

  // Out of order the lines are still right, read by a fresh reader too.
  FileLineReader fresh;
  for (std::size_t i : {lines.size() - 1, std::size_t{0}, lines.size() / 2, lines.size() / 3}) {
    ASSERT_TRUE(fresh.Read(path, static_cast<int64_t>(i + 1), kMaxFileLine, &line));
    EXPECT_EQ(line, lines[i]) << "line " << i + 1;
  }
}

}  // namespace
}  // namespace zelo
