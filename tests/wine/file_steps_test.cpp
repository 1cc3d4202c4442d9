// The Files/Folders actions run by the real Zelomat.exe ("/r") against real
// files: paths with blanks, patterns, read-only files and missing folders.
// Results go to files through the steps' output, so the tests read exactly
// the bytes a step produced.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/windows_win.h"

namespace zelo::test {
namespace {

struct FileStepSpec {
  std::string action;
  std::string value1 = "", value2 = "", value3 = "", text = "";
  std::string output_file = "";  // the result goes to this file when given
};

std::string FileStepXml(const FileStepSpec& s) {
  std::string xml = "<step>\r\n\t<action>" + s.action + "</action>\r\n";
  if (!s.text.empty()) xml += "\t<text>" + s.text + "</text>\r\n";
  if (!s.value1.empty()) xml += "\t<value1>" + s.value1 + "</value1>\r\n";
  if (!s.value2.empty()) xml += "\t<value2>" + s.value2 + "</value2>\r\n";
  if (!s.value3.empty()) xml += "\t<value3>" + s.value3 + "</value3>\r\n";
  if (!s.output_file.empty()) xml += "\t<output value=\"" + s.output_file + "\">File</output>\r\n";
  return xml + "</step>\r\n";
}

std::string Steps(const std::vector<FileStepSpec>& steps) {
  std::string xml;
  for (const FileStepSpec& s : steps) xml += FileStepXml(s);
  return xml;
}

bool MakeDir(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }
bool IsDir(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
std::string Read(const std::string& path) {
  std::string bytes;
  ReadTextFile(path, &bytes);
  return bytes;
}

class FileStepsTest : public ::testing::Test {
 protected:
  FileStepsTest() : default_code_("DefaultReturnCode", 0), log_level_("LogLevel", 0) {
    base_ = dir_.File("with blanks");
    MakeDir(base_);
  }
  ~FileStepsTest() override {
    // Read-only files would outlive the scratch folder.
    for (const std::string& path : read_only_) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
  std::string In(const std::string& name) const { return base_ + "\\" + name; }
  std::string Write(const std::string& name, const std::string& bytes) {
    EXPECT_TRUE(WriteTextFile(In(name), bytes)) << name;
    return In(name);
  }
  std::string ReadOnly(const std::string& name, const std::string& bytes) {
    const std::string path = Write(name, bytes);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    read_only_.push_back(path);
    return path;
  }
  std::string Script(const std::vector<FileStepSpec>& steps) {
    const std::string path = dir_.File("files.zxm");
    EXPECT_TRUE(WriteTextFile(path, ScriptText(Steps(steps))));
    return path;
  }
  std::string LogPath() const { return dir_.File("log.txt"); }

  // Runs the steps and expects the run to complete without an error.
  RunResult RunPassing(const std::vector<FileStepSpec>& steps) {
    RunResult r = RunProgram("/r \"" + Script(steps) + "\"", LogPath(), kGuiWaitMs);
    EXPECT_TRUE(r.finished) << "the hidden program stayed behind";
    EXPECT_EQ(r.exit_code, 0u);
    EXPECT_NE(r.log.find("Run Completed at "), std::string::npos) << r.log;
    EXPECT_EQ(r.log.find("ERROR"), std::string::npos) << r.log;
    return r;
  }

  // Runs the steps, expects the last one to fail with its "Run Failure" box,
  // answers it and returns the box's text; the log goes to *log.
  std::string RunFailing(const std::vector<FileStepSpec>& steps, std::string* log = nullptr) {
    Process p = StartProgram("/r \"" + Script(steps) + "\"", LogPath());
    EXPECT_TRUE(p.valid());
    HWND box = WaitForProcessWindow(p.id(), L"#32770", kGuiWaitMs, L"Run Failure");
    EXPECT_NE(box, nullptr) << "no \"Run Failure\" box appeared";
    std::string text;
    if (box) {
      const std::wstring wide = WaitForMessageBoxText(box, 5000);
      text.assign(wide.begin(), wide.end());  // the texts here are ASCII
      PressOk(box);
    }
    DWORD code = 99;
    EXPECT_TRUE(p.Wait(kGuiWaitMs, &code)) << "the hidden program stayed behind";
    EXPECT_EQ(code, 1u) << "a failed run";
    std::string l;
    ReadTextFile(LogPath(), &l);
    EXPECT_NE(l.find("RUN FAILED"), std::string::npos) << l;
    EXPECT_NE(l.find("[STEP " + std::to_string(steps.size()) + "]"), std::string::npos) << l;
    if (log) *log = l;
    return text;
  }

  ScratchFolder dir_;
  std::string base_;
  std::vector<std::string> read_only_;
  ScopedZelomatNumber default_code_, log_level_;
};

TEST_F(FileStepsTest, ReadingActionsSaveWhatTheyRead) {
  const std::string data = Write("data file.txt", "0123456789abcdefghij\r\nsecond line\nthird\r\n");
  RunPassing({
      {"Read File", data, "10", "20", "", In("part.out")},
      {"Read File", data, "0", "0", "", In("whole.out")},
      {"Read File Line", data, "2", "", "", In("line.out")},
      {"Count File Lines", data, "", "", "", In("count.out")},
      {"Count File Lines", In("no such file.txt"), "", "", "", In("none.out")},
  });
  EXPECT_EQ(Read(In("part.out")), "abcdefghij");
  EXPECT_EQ(Read(In("whole.out")), Read(data));
  EXPECT_EQ(Read(In("line.out")), "second line");
  EXPECT_EQ(Read(In("count.out")), "4");
  EXPECT_EQ(Read(In("none.out")), "0");
}

// A bare name is looked for by the path search, among others in the script's folder.
TEST_F(FileStepsTest, ABareNameIsFoundBesideTheScript) {
  ASSERT_TRUE(WriteTextFile(dir_.File("beside the script.txt"), "found\r\nit"));
  RunPassing({{"Read File Line", "beside the script.txt", "2", "", "", In("found.out")}});
  EXPECT_EQ(Read(In("found.out")), "it");
}

TEST_F(FileStepsTest, ReadFileLineWalksALargeFileAcrossItsPieces) {
  // Lines of 100 bytes; line 20000 lies well past the first 1 MiB piece.
  std::string text;
  for (int i = 1; i <= 30000; ++i) {
    std::string line = "line " + std::to_string(i);
    line.resize(98, '.');
    text += line + "\r\n";
  }
  const std::string big = Write("big.txt", text);
  RunPassing({
      {"Read File Line", big, "1", "", "", In("first.out")},
      {"Read File Line", big, "20000", "", "", In("middle.out")},
      {"Read File Line", big, "30000", "", "", In("last.out")},
      {"Count File Lines", big, "", "", "", In("count.out")},
  });
  EXPECT_EQ(Read(In("first.out")).substr(0, 7), "line 1.");
  EXPECT_EQ(Read(In("middle.out")).substr(0, 11), "line 20000.");
  EXPECT_EQ(Read(In("last.out")).substr(0, 11), "line 30000.");
  EXPECT_EQ(Read(In("count.out")), "30001");
}

TEST_F(FileStepsTest, WriteCreateFileOverwritesAppendsAndMakesFolders) {
  const std::string existing = Write("existing.txt", "0123456789");
  const std::string fresh = In("new folder\\deeper one\\fresh.txt");
  RunPassing({
      {"Write/Create File", existing, "", "", "AB"},
      {"Write/Create File", existing, "-1", "", "END"},
      {"Write/Create File", fresh, "", "", "made here"},
  });
  EXPECT_EQ(Read(existing), "AB23456789END");
  EXPECT_EQ(Read(fresh), "made here");
}

TEST_F(FileStepsTest, CopyMoveDeleteAndResizeFiles) {
  const std::string source = Write("source file.txt", "payload");
  Write("target.txt", "old contents");
  Write("junk 1.tmp", "1");
  Write("junk 2.tmp", "2");
  Write("keep.txt", "k");
  const std::string sized = Write("sized.bin", "0123456789");
  RunPassing({
      {"Copy File", source, "", "", "target.txt"},
      {"Copy File", source, "", "", In("copies\\copy of source.txt")},
      {"Move/Rename File", In("copies\\copy of source.txt"), "", "", "renamed.txt"},
      {"Delete File", In("*.tmp")},
      {"Change File Size", sized, "4"},
  });
  EXPECT_EQ(Read(In("target.txt")), "payload");
  EXPECT_EQ(Read(In("source file.txt")), "payload");
  EXPECT_FALSE(FileExists(In("copies\\copy of source.txt")));
  EXPECT_EQ(Read(In("copies\\renamed.txt")), "payload");
  EXPECT_FALSE(FileExists(In("junk 1.tmp")));
  EXPECT_FALSE(FileExists(In("junk 2.tmp")));
  EXPECT_TRUE(FileExists(In("keep.txt")));
  EXPECT_EQ(Read(sized), "0123");
}

TEST_F(FileStepsTest, FolderActions) {
  MakeDir(In("tree"));
  Write("tree\\a.txt", "a");
  MakeDir(In("tree\\sub dir"));
  Write("tree\\sub dir\\b.txt", "b");
  RunPassing({
      {"Create Folder", In("made\\two levels")},
      {"Copy Folder", In("tree"), "", "", In("tree copy")},
      {"Move/Rename Folder", In("tree copy"), "", "", In("moved tree\\")},
      {"Delete Folder", In("tree\\")},
      {"Set Current Directory", In("made\\two levels")},
      {"Write/Create File", "relative.txt", "", "", "here"},
  });
  EXPECT_TRUE(IsDir(In("made\\two levels")));
  EXPECT_FALSE(IsDir(In("tree copy")));
  EXPECT_EQ(Read(In("moved tree\\a.txt")), "a");
  EXPECT_EQ(Read(In("moved tree\\sub dir\\b.txt")), "b");
  EXPECT_FALSE(IsDir(In("tree")));
  EXPECT_EQ(Read(In("made\\two levels\\relative.txt")), "here");
}

TEST_F(FileStepsTest, DeleteFileOfAFolderDeletesItsFilesNotItsSubfolders) {
  MakeDir(In("box"));
  MakeDir(In("box\\inner"));
  Write("box\\one.txt", "1");
  Write("box\\inner\\two.txt", "2");
  RunPassing({{"Delete File", In("box\\")}});
  EXPECT_FALSE(FileExists(In("box\\one.txt")));
  EXPECT_EQ(Read(In("box\\inner\\two.txt")), "2");
}

TEST_F(FileStepsTest, ReadingAMissingFileFailsWithItsName) {
  const std::string missing = In("missing.txt");
  EXPECT_EQ(RunFailing({{"Read File", missing}}), "Unable to read '" + missing + "'");
}

TEST_F(FileStepsTest, ReadingALineBeyondTheEndFailsAndSavesEmptiness) {
  const std::string two = Write("two.txt", "a\r\nb");
  Write("line.out", "stale");
  EXPECT_EQ(RunFailing({{"Read File Line", two, "3", "", "", In("line.out")}}), "Line 3 not found in '" + two + "'");
  EXPECT_EQ(Read(In("line.out")), "");
}

TEST_F(FileStepsTest, WritingAReadOnlyFileFailsAndLeavesIt) {
  const std::string locked = ReadOnly("locked.txt", "keep");
  EXPECT_EQ(RunFailing({{"Write/Create File", locked, "", "", "x"}}), "Unable to write/create '" + locked + "'");
  EXPECT_EQ(Read(locked), "keep");
}

// A file another program holds open without sharing it.
TEST_F(FileStepsTest, WritingALockedFileFailsAndLeavesIt) {
  const std::string locked = Write("locked.txt", "keep");
  KernelHandle lock(CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(lock);
  EXPECT_EQ(RunFailing({{"Write/Create File", locked, "", "", "x"}}), "Unable to write/create '" + locked + "'");
  const std::string text = RunFailing({{"Delete File", locked}});
  EXPECT_EQ(text.rfind("Unable to delete '" + locked + "': ", 0), 0u) << text;
  lock.reset();
  EXPECT_EQ(Read(locked), "keep");
}

TEST_F(FileStepsTest, CopyingOverAReadOnlyFileFailsAndLeavesIt) {
  const std::string source = Write("source.txt", "new");
  const std::string locked = ReadOnly("locked.txt", "keep");
  const std::string text = RunFailing({{"Copy File", source, "", "", "locked.txt"}});
  EXPECT_EQ(text.rfind("Unable to copy '" + source + "' to '" + locked + "': ", 0), 0u) << text;
  EXPECT_EQ(Read(locked), "keep");
}

TEST_F(FileStepsTest, DeletingAReadOnlyFileFails) {
  const std::string locked = ReadOnly("locked.txt", "keep");
  const std::string text = RunFailing({{"Delete File", locked}});
  EXPECT_EQ(text.rfind("Unable to delete '" + locked + "': ", 0), 0u) << text;
  EXPECT_EQ(Read(locked), "keep");
}

TEST_F(FileStepsTest, APatternThatMatchesNothingDeletesNothing) {
  Write("keep.txt", "k");
  const std::string pattern = In("*.nothing");
  EXPECT_EQ(RunFailing({{"Delete File", pattern}}), "No file matches '" + pattern + "'");
  EXPECT_TRUE(FileExists(In("keep.txt")));
}

TEST_F(FileStepsTest, DeleteFolderRefusesAPattern) {
  MakeDir(In("folder one"));
  Write("folder one\\f.txt", "f");
  const std::string text = RunFailing({{"Delete Folder", In("folder*")}});
  EXPECT_EQ(text, "The folder '" + In("folder*") + "' does not exist");
  EXPECT_TRUE(FileExists(In("folder one\\f.txt")));
}

TEST_F(FileStepsTest, CreateFolderWhereAFileIsFails) {
  Write("blocker", "x");
  const std::string text = RunFailing({{"Create Folder", In("blocker\\sub")}});
  EXPECT_EQ(text.rfind("Unable to create folder '" + In("blocker\\sub") + "': ", 0), 0u) << text;
  EXPECT_EQ(Read(In("blocker")), "x");
}

TEST_F(FileStepsTest, WritingPastTheEndFailsWithoutCreatingTheFile) {
  const std::string path = In("never.txt");
  const std::string text = RunFailing({{"Write/Create File", path, "100", "", "x"}});
  EXPECT_EQ(text, "Start position 100 is beyond the end of '" + path + "' (0 bytes)");
  EXPECT_FALSE(FileExists(path));
}

TEST_F(FileStepsTest, SetFileAssociationWritesTheDocumentClass) {
  const std::string program = In("viewer.exe");
  RunPassing({{"Set File Association", program, "zelotest", "", "Zelo Test"}});
  auto value = [](const std::string& key) {
    char buf[1024] = {};
    DWORD size = sizeof buf;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
      return std::string("(missing)");
    return std::string(buf);
  };
  EXPECT_EQ(value(".zelotest"), "Zelo Test File");
  EXPECT_EQ(value("Zelo Test File"), "Zelo Test File");
  EXPECT_EQ(value("Zelo Test File\\DefaultIcon"), "\"" + program + "\",0");
  EXPECT_EQ(value("Zelo Test File\\shell\\Open"), "&Open");
  EXPECT_EQ(value("Zelo Test File\\shell\\Open\\command"), "\"" + program + "\" \"%1\"");
  char shell_new[16] = "x";
  DWORD size = sizeof shell_new;
  EXPECT_EQ(RegGetValueA(HKEY_CLASSES_ROOT, ".zelotest\\ShellNew", "NULLFile", RRF_RT_REG_SZ, nullptr, shell_new,
                         &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(shell_new, "");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ".zelotest");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, "Zelo Test File");
}

TEST_F(FileStepsTest, MapDriveToAShareThatIsNowhereFails) {
  const std::string text = RunFailing({{"Map Drive", "\\\\nosuchserver\\noshare", "", "", "Q:"}});
  EXPECT_EQ(text, "The share name \"\\\\nosuchserver\\noshare\" could not be found");
}

// What the dialog does depends on the system's network provider; the step
// must end either way, with a reason when it fails.
TEST_F(FileStepsTest, MapDrivePromptEndsTheStep) {
  Process p = StartProgram("/r \"" + Script({{"Map Drive Prompt"}}) + "\"", LogPath());
  ASSERT_TRUE(p.valid());
  DWORD code = 99;
  const DWORD start = GetTickCount();
  bool ended = false;
  while (!ended && GetTickCount() - start < kGuiWaitMs) {
    if (HWND box = FindProcessWindow(p.id(), L"#32770", L"Run Failure")) {
      EXPECT_FALSE(WaitForMessageBoxText(box, 5000).empty());
      PressOk(box);
    }
    ended = p.Wait(100, &code);
  }
  EXPECT_TRUE(ended) << "the step did not end";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("[STEP 1]: Map Drive Prompt"), std::string::npos) << log;
}

}  // namespace
}  // namespace zelo::test
