#include "actions/files/file_actions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "actions/action_handlers.h"
#include "actions/shared/file_routines.h"
#include "actions/shared/file_test_support.h"
#include "base/text.h"
#include "engine/run_test_fixture.h"
#include "actions/functions/text_functions.h"

namespace zelo {
namespace {

using test::ScratchFiles;

TEST(FileActionOf, WholeReadFileThenTheTableInOrder) {
  EXPECT_EQ(FileActionOf("Read File"), FileAction::ReadFile);
  EXPECT_EQ(FileActionOf("read file"), FileAction::ReadFile);
  EXPECT_EQ(FileActionOf("Read File Line"), FileAction::ReadFileLine);
  EXPECT_EQ(FileActionOf("Count File Lines"), FileAction::CountFileLines);
  EXPECT_EQ(FileActionOf("Write/Create File"), FileAction::WriteFile);
  EXPECT_EQ(FileActionOf("Move/Rename File"), FileAction::MoveFile);
  EXPECT_EQ(FileActionOf("Copy Folder"), FileAction::CopyFolder);
  EXPECT_EQ(FileActionOf("Move/Rename Folder"), FileAction::MoveFolder);
  EXPECT_EQ(FileActionOf("Map Drive Prompt"), FileAction::MapDrivePrompt);
  EXPECT_EQ(FileActionOf("Map Drive"), FileAction::MapDrive);
  EXPECT_EQ(FileActionOf("Read Files"), FileAction::Unknown);
}

class FileActionTest : public ::testing::Test {
 protected:
  FileOutcome Run(FileAction action, const std::string& path, const std::string& value2 = "",
                  const std::string& value3 = "", const std::string& text = "") {
    FileStepInputs in;
    in.action = action;
    in.path = path;
    in.value2 = value2;
    in.value3 = value3;
    in.text = text;
    return RunFileAction(in, ActionServices());
  }
  // Read-only files stay writable for a user who may write anything (root on
  // the native build): the tests that need them then have nothing to test.
  bool ReallyReadOnly(const std::string& name) {
    files.MakeReadOnly(name);
    SystemFile probe;
    return !probe.Open(files.Path(name), SystemFile::Mode::ReadWriteExisting);
  }
  ScratchFiles files;
};

TEST_F(FileActionTest, ReadFileReadsFromStartUpToStop) {
  const std::string path = files.Write("data.bin", "0123456789abcdefghijKLMNOPQRST");
  FileOutcome out = Run(FileAction::ReadFile, path, "10", "20");
  EXPECT_TRUE(out.passed);
  EXPECT_TRUE(out.has_result);
  EXPECT_EQ(out.result, "abcdefghij");
  EXPECT_EQ(Run(FileAction::ReadFile, path, "0", "0").result, "0123456789abcdefghijKLMNOPQRST");
  EXPECT_EQ(Run(FileAction::ReadFile, path, "-5", "3").result, "012");
  EXPECT_EQ(Run(FileAction::ReadFile, path, "25", "").result, "PQRST");
  EXPECT_EQ(Run(FileAction::ReadFile, path, "25", "999999").result, "PQRST");  // capped at the end
  const std::string with_nul = files.Write("zero.bin", std::string("a\0b", 3));
  EXPECT_EQ(Run(FileAction::ReadFile, with_nul).result, std::string("a\0b", 3));
}

TEST_F(FileActionTest, ReadFileRefusesMissingFilesAndBadPositions) {
  const std::string path = files.Write("data.bin", "0123456789");
  FileOutcome out = Run(FileAction::ReadFile, files.Path("no such.bin"));
  EXPECT_FALSE(out.passed);
  EXPECT_FALSE(out.has_result);
  EXPECT_EQ(out.error, "Unable to read '" + files.Path("no such.bin") + "'");
  out = Run(FileAction::ReadFile, path, "11");
  EXPECT_FALSE(out.passed);
  EXPECT_NE(out.error.find("beyond the end"), std::string::npos);
  out = Run(FileAction::ReadFile, path, "5", "3");
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.error, "Stop position 3 is before start position 5");
  EXPECT_FALSE(Run(FileAction::ReadFile, path, "0", "-1").passed);
  EXPECT_FALSE(Run(FileAction::ReadFile, "").passed);
  EXPECT_FALSE(Run(FileAction::ReadFile, files.root()).passed);
}

TEST_F(FileActionTest, ReadFileLineSavesTheLineOrEmptinessAndSaysWhy) {
  const std::string path = files.Write("two lines.txt", "first\r\nsecond");
  FileOutcome out = Run(FileAction::ReadFileLine, path, "2");
  EXPECT_TRUE(out.passed);
  EXPECT_EQ(out.result, "second");
  out = Run(FileAction::ReadFileLine, path, "3");
  EXPECT_FALSE(out.passed);
  EXPECT_TRUE(out.has_result);
  EXPECT_EQ(out.result, "");
  EXPECT_EQ(out.error, "Line 3 not found in '" + path + "'");
  EXPECT_EQ(Run(FileAction::ReadFileLine, path, "0").error, "Line number 0 is not valid: lines count from 1");
  EXPECT_EQ(Run(FileAction::ReadFileLine, path, "2147483647").error, "Line 2147483647 not found in '" + path + "'");
  EXPECT_EQ(Run(FileAction::ReadFileLine, files.Path("gone.txt"), "1").error,
            "Unable to read '" + files.Path("gone.txt") + "'");
}

TEST_F(FileActionTest, CountFileLinesAlwaysPasses) {
  EXPECT_EQ(Run(FileAction::CountFileLines, files.Write("a.txt", "a\r\nb")).result, "2");
  EXPECT_EQ(Run(FileAction::CountFileLines, files.Write("b.txt", "a\n\nb")).result, "3");
  EXPECT_EQ(Run(FileAction::CountFileLines, files.Write("c.txt", "a\r\n")).result, "2");
  EXPECT_EQ(Run(FileAction::CountFileLines, files.Write("d.txt", "")).result, "0");
  const FileOutcome missing = Run(FileAction::CountFileLines, files.Path("none.txt"));
  EXPECT_TRUE(missing.passed);
  EXPECT_EQ(missing.result, "0");
  // Pieces of 1 MiB: a CR LF split between two still ends one line.
  std::string big(1048575, 'x');
  big += "\r\nlast";
  EXPECT_EQ(Run(FileAction::CountFileLines, files.Write("big.txt", big)).result, "2");
}

TEST_F(FileActionTest, WriteFileOverwritesAppendsAndCreatesFolders) {
  const std::string path = files.Write("w.txt", "0123456789");
  EXPECT_TRUE(Run(FileAction::WriteFile, path, "", "", "AB").passed);
  EXPECT_EQ(files.Read("w.txt"), "AB23456789");
  EXPECT_TRUE(Run(FileAction::WriteFile, path, "-1", "", "\r\nend").passed);
  EXPECT_EQ(files.Read("w.txt"), "AB23456789\r\nend");
  EXPECT_TRUE(Run(FileAction::WriteFile, path, "4", "", "xy").passed);
  EXPECT_EQ(files.Read("w.txt"), "AB23xy6789\r\nend");
  EXPECT_TRUE(Run(FileAction::WriteFile, files.Path("new dir/deeper/n.txt"), "", "", "made").passed);
  EXPECT_EQ(files.Read("new dir/deeper/n.txt"), "made");
}

TEST_F(FileActionTest, WriteFileBeyondTheEndOrIntoAFileChangesNothing) {
  const std::string path = files.Write("w.txt", "0123");
  FileOutcome out = Run(FileAction::WriteFile, path, "5", "", "x");
  EXPECT_FALSE(out.passed);
  EXPECT_NE(out.error.find("beyond the end"), std::string::npos);
  EXPECT_EQ(files.Read("w.txt"), "0123");
  EXPECT_FALSE(Run(FileAction::WriteFile, files.Path("fresh.txt"), "3", "", "x").passed);
  EXPECT_FALSE(files.Exists("fresh.txt"));
  out = Run(FileAction::WriteFile, files.Path("w.txt/inner.txt"), "", "", "x");
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.error, "Unable to write/create '" + files.Path("w.txt/inner.txt") + "'");
}

TEST_F(FileActionTest, WriteFileFailsOnAReadOnlyFile) {
  const std::string path = files.Write("ro.txt", "keep");
  if (!ReallyReadOnly("ro.txt")) GTEST_SKIP() << "this user may write read-only files";
  EXPECT_EQ(Run(FileAction::WriteFile, path, "", "", "x").error, "Unable to write/create '" + path + "'");
  EXPECT_EQ(files.Read("ro.txt"), "keep");
}

TEST_F(FileActionTest, CopyFileBesideTheSourceReplacingTheDestination) {
  const std::string source = files.Write("src dir/a.txt", "new");
  files.Write("src dir/b.txt", "old");
  EXPECT_TRUE(Run(FileAction::CopyFile, source, "", "", "b.txt").passed);
  EXPECT_EQ(files.Read("src dir/b.txt"), "new");
  EXPECT_TRUE(Run(FileAction::CopyFile, source, "", "", files.Path("other/deep/c.txt")).passed);
  EXPECT_EQ(files.Read("other/deep/c.txt"), "new");
  EXPECT_EQ(files.Read("src dir/a.txt"), "new");
}

TEST_F(FileActionTest, CopyFileRefusesMissingSourcesAndItself) {
  const std::string source = files.Write("a.txt", "data");
  FileOutcome out = Run(FileAction::CopyFile, files.Path("missing.txt"), "", "", "b.txt");
  EXPECT_FALSE(out.passed);
  EXPECT_FALSE(files.Exists("b.txt"));
  EXPECT_FALSE(Run(FileAction::CopyFile, source, "", "", "").passed);
  EXPECT_FALSE(Run(FileAction::MoveFile, source, "", "", "a.txt").passed);
  EXPECT_EQ(files.Read("a.txt"), "data");
  EXPECT_FALSE(Run(FileAction::CopyFile, files.root(), "", "", "x").passed);
}

TEST_F(FileActionTest, CopyFileOntoAReadOnlyFileFailsAndKeepsIt) {
  const std::string source = files.Write("a.txt", "data");
  files.Write("ro.txt", "keep");
  if (!ReallyReadOnly("ro.txt")) GTEST_SKIP() << "this user may write read-only files";
  EXPECT_FALSE(Run(FileAction::CopyFile, source, "", "", "ro.txt").passed);
  EXPECT_EQ(files.Read("ro.txt"), "keep");
}

TEST_F(FileActionTest, MoveFileCopiesThenDeletesTheSource) {
  const std::string source = files.Write("a.txt", "data");
  EXPECT_TRUE(Run(FileAction::MoveFile, source, "", "", "renamed.txt").passed);
  EXPECT_FALSE(files.Exists("a.txt"));
  EXPECT_EQ(files.Read("renamed.txt"), "data");
}

TEST_F(FileActionTest, DeleteFileDeletesMatchingFilesOnly) {
  files.Write("dir/a.log", "1");
  files.Write("dir/b.log", "2");
  files.Write("dir/c.txt", "3");
  files.Write("dir/sub/d.log", "4");
  EXPECT_TRUE(Run(FileAction::DeleteFile, files.Path("dir/*.log")).passed);
  EXPECT_FALSE(files.Exists("dir/a.log"));
  EXPECT_FALSE(files.Exists("dir/b.log"));
  EXPECT_TRUE(files.Exists("dir/c.txt"));
  FileOutcome out = Run(FileAction::DeleteFile, files.Path("dir/*.log"));
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.error, "No file matches '" + files.Path("dir/*.log") + "'");
}

TEST_F(FileActionTest, DeleteFileOfAFolderNeedsItsSeparatorAndSparesSubfolders) {
  files.Write("dir/a.txt", "1");
  files.Write("dir/sub/b.txt", "2");
  EXPECT_FALSE(Run(FileAction::DeleteFile, files.Path("dir")).passed);  // a folder is no file
  EXPECT_TRUE(files.Exists("dir/a.txt"));
  EXPECT_TRUE(Run(FileAction::DeleteFile, files.Path("dir") + kPathSeparator).passed);
  EXPECT_FALSE(files.Exists("dir/a.txt"));
  EXPECT_TRUE(files.Exists("dir/sub/b.txt"));
  EXPECT_FALSE(Run(FileAction::DeleteFile, files.Path("dir/*")).passed);  // only the subfolder is left
  EXPECT_TRUE(files.Exists("dir/sub"));
}

TEST_F(FileActionTest, DeleteFileFailsAtAReadOnlyFileAndKeepsIt) {
  const std::string path = files.Write("ro.txt", "keep");
  if (!ReallyReadOnly("ro.txt")) GTEST_SKIP() << "this user may write read-only files";
  const FileOutcome out = Run(FileAction::DeleteFile, path);
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.error.rfind("Unable to delete '" + path + "': ", 0), 0u) << out.error;
  EXPECT_EQ(files.Read("ro.txt"), "keep");
}

TEST_F(FileActionTest, ChangeFileSizeGrowsAndTruncates) {
  const std::string path = files.Write("s.bin", "0123456789");
  EXPECT_TRUE(Run(FileAction::ChangeFileSize, path, "4").passed);
  EXPECT_EQ(files.Read("s.bin"), "0123");
  EXPECT_TRUE(Run(FileAction::ChangeFileSize, path, "100").passed);
  EXPECT_EQ(FileSize(path), 100u);
  EXPECT_FALSE(Run(FileAction::ChangeFileSize, path, "-1").passed);
  EXPECT_EQ(FileSize(path), 100u);
  EXPECT_FALSE(Run(FileAction::ChangeFileSize, files.Path("missing.bin"), "4").passed);
  EXPECT_FALSE(files.Exists("missing.bin"));
}

TEST_F(FileActionTest, CreateFolderMakesTheWholePath) {
  EXPECT_TRUE(Run(FileAction::CreateFolder, files.Path("a b/c d/e")).passed);
  EXPECT_TRUE(FolderExists(files.Path("a b/c d/e")));
  EXPECT_TRUE(Run(FileAction::CreateFolder, files.Path("a b")).passed);
  files.Write("file", "x");
  EXPECT_FALSE(Run(FileAction::CreateFolder, files.Path("file/sub")).passed);
  EXPECT_FALSE(Run(FileAction::CreateFolder, "").passed);
}

TEST_F(FileActionTest, CopyAndMoveFolderWithEverythingInIt) {
  files.Write("src/a.txt", "a");
  files.Write("src/sub/b.txt", "b");
  EXPECT_TRUE(Run(FileAction::CopyFolder, files.Path("src") + kPathSeparator, "", "", files.Path("copy/here")).passed);
  EXPECT_EQ(files.Read("copy/here/a.txt"), "a");
  EXPECT_EQ(files.Read("copy/here/sub/b.txt"), "b");
  EXPECT_TRUE(Run(FileAction::MoveFolder, files.Path("src"), "", "", files.Path("moved")).passed);
  EXPECT_FALSE(files.Exists("src"));
  EXPECT_EQ(files.Read("moved/sub/b.txt"), "b");
}

TEST_F(FileActionTest, CopyFolderRefusesMissingSourcesAndCopiesIntoItself) {
  files.Write("src/a.txt", "a");
  EXPECT_FALSE(Run(FileAction::CopyFolder, files.Path("nothing"), "", "", files.Path("x")).passed);
  EXPECT_FALSE(files.Exists("x"));
  EXPECT_FALSE(Run(FileAction::CopyFolder, files.Path("src"), "", "", files.Path("src/inner")).passed);
  EXPECT_FALSE(Run(FileAction::MoveFolder, files.Path("src"), "", "", files.Path("src")).passed);
  EXPECT_EQ(files.Read("src/a.txt"), "a");
  EXPECT_FALSE(files.Exists("src/inner"));
}

TEST_F(FileActionTest, DeleteFolderRemovesItWithItsContents) {
  files.Write("full/a.txt", "a");
  files.Write("full/sub/b.txt", "b");
  EXPECT_TRUE(Run(FileAction::DeleteFolder, files.Path("full") + kPathSeparator).passed);
  EXPECT_FALSE(files.Exists("full"));
  EXPECT_TRUE(Run(FileAction::CreateFolder, files.Path("empty")).passed);
  EXPECT_TRUE(Run(FileAction::DeleteFolder, files.Path("empty")).passed);
  EXPECT_FALSE(files.Exists("empty"));
}

TEST_F(FileActionTest, DeleteFolderNeverFollowsAPatternOrAFile) {
  files.Write("keep1/a.txt", "a");
  files.Write("keep2/b.txt", "b");
  EXPECT_FALSE(Run(FileAction::DeleteFolder, files.Path("keep*")).passed);
  EXPECT_FALSE(Run(FileAction::DeleteFolder, files.Path("*")).passed);
  EXPECT_FALSE(Run(FileAction::DeleteFolder, files.Path("keep1/a.txt")).passed);
  EXPECT_FALSE(Run(FileAction::DeleteFolder, files.Path("missing")).passed);
  EXPECT_FALSE(Run(FileAction::DeleteFolder, "").passed);
  EXPECT_TRUE(files.Exists("keep1/a.txt"));
  EXPECT_TRUE(files.Exists("keep2/b.txt"));
  std::string root(1, kPathSeparator);
  if (kPathSeparator == '\\') root = files.root().substr(0, 3);  // "C:\"
  EXPECT_FALSE(Run(FileAction::DeleteFolder, root).passed);
}

TEST_F(FileActionTest, SetCurrentDirectoryChangesWhereRelativeNamesPoint) {
  const std::filesystem::path before = std::filesystem::current_path();
  files.Write("here/rel.txt", "r");
  EXPECT_TRUE(Run(FileAction::SetCurrentDirectory, files.Path("here")).passed);
  EXPECT_TRUE(FileExists("rel.txt"));
  EXPECT_FALSE(Run(FileAction::SetCurrentDirectory, files.Path("nowhere")).passed);
  std::filesystem::current_path(before);
}

#if !defined(_WIN32)
TEST_F(FileActionTest, SystemOnlyActionsSayWhyTheyCannotRunHere) {
  FileOutcome out = Run(FileAction::SetFileAssociation, "/bin/true", "xyz", "", "Test");
  EXPECT_FALSE(out.passed);
  EXPECT_NE(out.error.find("not available"), std::string::npos);
  EXPECT_EQ(Run(FileAction::MapDrivePrompt, "").error, "Unable to show map prompt");
  out = Run(FileAction::MapDrive, "\\\\server\\share", "", "", "H:");
  EXPECT_FALSE(out.passed);
  EXPECT_NE(out.error.find("MPR.DLL"), std::string::npos);
}
#endif

TEST_F(FileActionTest, SetFileAssociationNeedsProgramAndExtension) {
  EXPECT_EQ(Run(FileAction::SetFileAssociation, "", "xyz").error, "No program provided");
  EXPECT_EQ(Run(FileAction::SetFileAssociation, "prog.exe", "").error, "No file extension provided");
}

// The handler inside a run: fields expanded, value1 through the path
// search, results saved, reasons in the step error text.
class FileStepTest : public test::HandlerRunTest {
 protected:
  FileStepTest() {
    root() = files.root();
    services.expand = &Expand;
    services.save = &Save;
    services.resolve_path = &Resolve;
    InstallActionHandlers(engine.handlers(), services);
  }
  static std::string& root() {
    static std::string r;
    return r;
  }
  ScratchFiles files;
  ActionServices services;

 private:
  // "%dir%" stands for the scratch folder.
  static std::string Expand(std::string_view field, int, int) {
    return ReplaceText(field, "%dir%", root(), true, false);
  }
  // Bare names are found in the scratch folder.
  static bool Resolve(std::string_view name, std::string* out, std::string_view) {
    const std::string there = root() + kPathSeparator + std::string(name);
    *out = FileExists(there) ? there : std::string(name);
    return FileExists(*out);
  }
};

TEST_F(FileStepTest, ExpandsResolvesSavesAndFails) {
  files.Write("lines.txt", "one\r\ntwo");
  StepRecord& count = AddStep("Count File Lines", CAT_FILES);
  count.value(1) = "lines.txt";
  StepRecord& line = AddStep("Read File Line", CAT_FILES);
  line.value(1) = "%dir%" + std::string(1, kPathSeparator) + "lines.txt";
  line.value(2) = "2";
  StepRecord& write = AddStep("Write/Create File", CAT_FILES);
  write.value(1) = "%dir%" + std::string(1, kPathSeparator) + "out.txt";
  write.text.Assign("in %dir%");
  StepRecord& missing = AddStep("Read File", CAT_FILES);
  missing.value(1) = "nothing.txt";
  AddStep("Read Everything", CAT_FILES);
  RunAndWait();
  ASSERT_EQ(saved().size(), 2u);
  EXPECT_EQ(saved()[0], "0:2");
  EXPECT_EQ(saved()[1], "1:two");
  EXPECT_EQ(files.Read("out.txt"), "in " + files.root());
  ASSERT_EQ(errors().size(), 2u);
  EXPECT_EQ(errors()[0], "Unable to read 'nothing.txt'");
  EXPECT_EQ(errors()[1], "Unknown file action: \"Read Everything\"");
}

}  // namespace
}  // namespace zelo
