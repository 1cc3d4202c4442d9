#include "engine/log_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

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
  LogFileWriterTest() { writer.set_name_check_interval(std::chrono::milliseconds(0)); }
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
  // the next line cannot tell (the checkpoint below catches it).
  GTEST_SKIP() << "a deleted file that is still open keeps its name under Wine";
#endif
  writer.Append(path, "one\r\n");
  std::remove(path.c_str());
  writer.Append(path, "two\r\n");
  // The lines since the last checkpoint went with the deleted file.
  EXPECT_EQ(ReadWholeFile(path), "one\r\ntwo\r\n");
}

// A disk on which a file deleted while it is open keeps its name until its
// last handle closes, and the open handle cannot tell (Wine).
struct LingeringDisk {
  struct Inode {
    std::string bytes;
    int handles = 0;
    bool doomed = false;
  };
  std::map<std::string, std::shared_ptr<Inode>> names;
  void Delete(const std::string& name) {
    auto it = names.find(name);
    if (it == names.end()) return;
    if (it->second->handles > 0) it->second->doomed = true;
    else names.erase(it);
  }
};
LingeringDisk* lingering_disk = nullptr;

class LingeringFile : public OpenLogFile {
 public:
  LingeringFile(std::string name, std::shared_ptr<LingeringDisk::Inode> inode)
      : name_(std::move(name)), inode_(std::move(inode)) {
    ++inode_->handles;
  }
  ~LingeringFile() override {
    if (--inode_->handles == 0 && inode_->doomed) lingering_disk->names.erase(name_);
  }
  bool Append(std::string_view text) override {
    inode_->bytes.append(text);
    return true;
  }
  bool StillAt(const std::string& name) override { return lingering_disk->names[name] == inode_; }
  uint64_t Length() override { return inode_->bytes.size(); }
  bool Deleted() override { return false; }

 private:
  std::string name_;
  std::shared_ptr<LingeringDisk::Inode> inode_;
};

std::unique_ptr<OpenLogFile> OpenLingering(const std::string& name) {
  auto& inode = lingering_disk->names[name];
  if (!inode) inode = std::make_shared<LingeringDisk::Inode>();
  return std::make_unique<LingeringFile>(name, inode);
}

TEST(LogFileCheckpointTest, LinesAfterADeletionTheOpenFileCannotSeeReachANewFile) {
  LingeringDisk disk;
  lingering_disk = &disk;
  const std::string name = "log.txt";
  {
    // At the end of the run: the lines since the deletion are written again.
    LogFileWriter writer(&OpenLingering);
    writer.Append(name, "one\r\n");
    disk.Delete(name);
    writer.Append(name, "two\r\n");
    writer.Append(name, "three\r\n");
    writer.Close();
    ASSERT_TRUE(disk.names.count(name));
    EXPECT_EQ(disk.names[name]->bytes, "one\r\ntwo\r\nthree\r\n");
  }
  disk.names.clear();
  {
    // At a checkpoint during the run; another program's own line in the
    // file is no deletion and repeats nothing.
    LogFileWriter writer(&OpenLingering);
    writer.set_checkpoint_interval(std::chrono::milliseconds(0));
    writer.Append(name, "a\r\n");
    disk.names[name]->bytes += "reader's note\r\n";
    writer.Append(name, "b\r\n");
    EXPECT_EQ(disk.names[name]->bytes, "a\r\nreader's note\r\nb\r\n");
    disk.Delete(name);
    writer.Append(name, "c\r\n");
    writer.Append(name, "d\r\n");
    EXPECT_EQ(disk.names[name]->bytes, "b\r\nc\r\nd\r\n");
    writer.Close();
    EXPECT_EQ(disk.names[name]->bytes, "b\r\nc\r\nd\r\n");
  }
  lingering_disk = nullptr;
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
