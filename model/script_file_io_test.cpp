#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#if !defined(_WIN32)
#include <signal.h>
#include <sys/resource.h>
#endif

#include "model/file_access.h"
#include "model/script_commands.h"
#include "model/script_file.h"
#include "model/test_support.h"

namespace zelo {

namespace fs = std::filesystem;

namespace {

const std::string kCrLf = "\r\n";

// A file exactly as the writer lays it out, with every kind of line.
const std::string kFullFile =
    "<?xml version=\"1.0\" ?>\r\n"
    "<?xml-stylesheet type=\"text/xsl\" href=\"report.xsl\"?>\r\n"
    "<Zelomat>\r\n"
    "<step>\r\n\t<action>Start</action>\r\n\t<text>notepad.exe &lt;a&amp;b&gt;</text>\r\n"
    "\t<options>Single</options>\r\n\t<value1>v1</value1>\r\n\t<value8>&amp;lt;</value8>\r\n"
    "\t<timeout>5</timeout>\r\n\t<status>0x1002</status>\r\n\t<indents>3</indents>\r\n"
    "\t<output value=\"result\">Variable</output>\r\n"
    "\t<onfail value=\"catalog\" image=\"1\" log=\"1\">Goto Label</onfail>\r\n"
    "\t<comment>first</comment>\r\n</step>\r\n"
    "<step>\r\n\t<action>Recording</action>\r\n\t<value1>2</value1>\r\n\t<value2>0</value2>\r\n"
    "\t<recording>\r\n\t[0512-0100-0200-00001234]\t\r\n\t[-001--050-0003--0000010]\t\r\n\t</recording>\r\n"
    "</step>\r\n"
    "<step>\r\n\t<action>Comment</action>\r\n\t<text>done</text>\r\n\t<onfail>Continue</onfail>\r\n</step>\r\n"
    "</Zelomat>";

class FileTest : public ::testing::Test {
 protected:
  FileTest() : ws(&seam) {
    static int counter = 0;
    dir = fs::temp_directory_path() / ("zelo_file_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                       "_" + std::to_string(++counter));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~FileTest() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::string PathOf(const std::string& name) { return (dir / name).string(); }
  std::string Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return PathOf(name);
  }
  static std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  int Load(const std::string& path, int slot = 0) { return LoadScriptFile(ws, path, slot); }
  std::string LastMessage() const { return seam.messages.empty() ? "" : seam.messages.back().text; }
  std::string LastCaption() const { return seam.messages.empty() ? "" : seam.messages.back().caption; }

  ScopedTestSettings settings;
  TestEditorSeam seam;
  Workspace ws;
  fs::path dir;
};

}  // namespace

TEST_F(FileTest, LoadsAFileAndShowsItInATab) {
  const std::string path = Put("full.zxm", kFullFile);
  long bytes = 0;
  EXPECT_EQ(LoadScriptFile(ws, path, 2, &bytes), 3);
  EXPECT_EQ(bytes, static_cast<long>(kFullFile.size()));
  EXPECT_TRUE(seam.messages.empty());
  EXPECT_EQ(ws.current, 2);
  const ScriptSlot& slot = ws.slots[2];
  EXPECT_EQ(slot.file_name, path);
  EXPECT_EQ(slot.step_count, 3);
  EXPECT_EQ(slot.custom_xml_tags, "<?xml-stylesheet type=\"text/xsl\" href=\"report.xsl\"?>\r\n");
  ASSERT_EQ(seam.tabs.size(), 1u);
  EXPECT_EQ(seam.tabs[0], (std::pair<int, std::string>{2, "full.zxm"}));
  EXPECT_EQ(seam.selected_tab, 2);
  EXPECT_EQ(seam.title, "full.zxm - Zelomat");
  EXPECT_EQ(seam.selected_rows, (std::vector<int>{0}));
  EXPECT_EQ(slot.steps[0].onfail_value, "catalog");
  EXPECT_EQ(slot.steps[0].onfail_log, 1);
  EXPECT_EQ(slot.steps[0].value(8), "&lt;");
  const EventList* events = ws.recordings.Get(0);
  ASSERT_NE(events, nullptr);
  ASSERT_EQ(events->size(), 2u);
  EXPECT_EQ((*events)[1].message, -1);
  EXPECT_EQ((*events)[1].param_h, -50);
  EXPECT_EQ((*events)[1].time, -10);

  settings.SetNumber("ShowFullFilesInTabs", 1);
  Load(path, 3);
  EXPECT_EQ(seam.tabs.back().second, path);
}

TEST_F(FileTest, SavingALoadedFileWritesTheSameBytes) {
  const std::string path = Put("full.zxm", kFullFile);
  ASSERT_EQ(Load(path), 3);
  std::string error;
  long bytes = 0;
  ASSERT_TRUE(SaveScriptFile(ws, 0, &error, &bytes)) << error;
  EXPECT_EQ(Get(path), kFullFile);
  EXPECT_EQ(bytes, static_cast<long>(kFullFile.size()));
  EXPECT_FALSE(fs::exists(SaveTempName(path)));
}

TEST_F(FileTest, InvalidNameOrSlot) {
  EXPECT_EQ(Load(""), 0);
  EXPECT_EQ(LastMessage(), "Invalid File");
  EXPECT_EQ(LastCaption(), " ");
  EXPECT_EQ(Load(Put("a.zxm", kFullFile), 8), 0);
  EXPECT_EQ(LastMessage(), "Invalid File");
  EXPECT_EQ(seam.messages.size(), 2u);
}

TEST_F(FileTest, MissingOrEmptyFile) {
  const std::string missing = PathOf("missing.zxm");
  EXPECT_EQ(Load(missing), 0);
  EXPECT_EQ(LastMessage(), "Unable to open file '" + missing + "'!\n\nPlease verify that the file exists (-1).");
  EXPECT_EQ(LastCaption(), "Zelomat Error");
  EXPECT_EQ(seam.recent_removed, (std::vector<std::string>{missing}));
  const std::string empty = Put("empty.zxm", "");
  EXPECT_EQ(Load(empty), 0);
  EXPECT_EQ(LastMessage(), "Unable to open file '" + empty + "'!\n\nPlease verify that the file exists (0).");
  EXPECT_TRUE(seam.tabs.empty());
}

TEST_F(FileTest, AFolderCannotBeLoaded) {
  fs::create_directories(dir / "folder.zxm");
  EXPECT_EQ(Load(PathOf("folder.zxm")), 0);
#if defined(_WIN32)
  EXPECT_EQ(LastMessage(),
            "Unable to open file '" + PathOf("folder.zxm") + "'!\n\nPlease verify that the file is not already open.");
#else
  EXPECT_EQ(LastMessage(), "Unable to read file");
  EXPECT_EQ(LastCaption(), PathOf("folder.zxm"));
#endif
}

TEST_F(FileTest, QuotesAndBlanksAroundTheNameAreRemoved) {
  const std::string path = Put("q.zxm", kFullFile);
  EXPECT_EQ(Load("  \"" + path + "\"  "), 3);
  EXPECT_EQ(ws.slots[0].file_name, path);
}

TEST_F(FileTest, ARootAtTheFirstByteIsNotAScript) {
  const std::string path = Put("bare.zxm", "<Zelomat><step><action>Type</action></step></Zelomat>");
  EXPECT_EQ(Load(path), 0);
  EXPECT_EQ(LastMessage(), "\"" + path + "\" does not appear to contain Zelomat actions");
  EXPECT_EQ(LastCaption(), path);
  EXPECT_TRUE(seam.tabs.empty());
  EXPECT_TRUE(ws.slots[0].file_name.empty());
}

TEST_F(FileTest, FindsTheScriptAtTheEndOfACompiledProgram) {
  std::string exe("MZ\x90\0\x03\0\0\0\x04\0", 10);
  exe += std::string(300, '\0') + "This program cannot be run in DOS mode. <Zelomat> in the stub" + std::string(50, '\0');
  exe += "<Zelomat><step>\r\n\t<action>Type</action>\r\n\t<text>hello</text>\r\n</step>\r\n</Zelomat>";
  EXPECT_EQ(Load(Put("tool.exe", exe)), 1);
  EXPECT_EQ(ws.slots[0].steps[0].text, "hello");
  EXPECT_TRUE(ws.slots[0].custom_xml_tags.empty());
}

TEST_F(FileTest, KeepsStyleSheetInstructionsAndWritesThemBack) {
  const std::string file = "<?xml version=\"1.0\" ?>\r\n<?xml-stylesheet href=\"a.xsl\"?>\r\n<?xml-custom x?>\r\n"
                           "<Zelomat>\r\n<step>\r\n\t<action>Comment</action>\r\n\t<text>version 2</text>\r\n</step>\r\n"
                           "</Zelomat>";
  const std::string path = Put("tags.zxm", file);
  ASSERT_EQ(Load(path), 1);
  // The second instruction is followed within 259 characters by "version"
  // in a step; it is kept all the same.
  EXPECT_EQ(ws.slots[0].custom_xml_tags, "<?xml-stylesheet href=\"a.xsl\"?>\r\n<?xml-custom x?>\r\n");
  std::string error;
  ASSERT_TRUE(SaveScriptFile(ws, 0, &error));
  EXPECT_EQ(Get(path), file);
}

TEST_F(FileTest, CustomTagsStopAtTheFirstThatDoesNotFit) {
  const std::string pi = "<?xml-stylesheet href=\"" + std::string(100, 's') + "\"?>";  // 126 characters
  const std::string file = "<?xml version=\"1.0\" ?>\r\n" + pi + pi + "<?xml-a?>\r\n<Zelomat>\r\n<step><action>Type</action></step></Zelomat>";
  ASSERT_EQ(Load(Put("many.zxm", file)), 1);
  EXPECT_EQ(ws.slots[0].custom_xml_tags, pi + kCrLf + pi + kCrLf);
  std::string thousands = "<?xml version=\"1.0\" ?>\r\n";
  for (int i = 0; i < 5000; ++i) thousands += "<?xml version?>";
  thousands += "<Zelomat><step><action>Type</action></step></Zelomat>";
  EXPECT_EQ(Load(Put("thousands.zxm", thousands)), 1);
  EXPECT_TRUE(ws.slots[0].custom_xml_tags.empty());
}

TEST_F(FileTest, CommentsAreRemovedBeforeReading) {
  const std::string file = "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n<!-- <step><action>Delay</action></step> -->"
                           "<step><action>Type</action></step><!-- unclosed <step><action>Delay</action></step>";
  ASSERT_EQ(Load(Put("comments.zxm", file)), 1);
  EXPECT_EQ(ws.slots[0].steps[0].action, "Type");
}

TEST_F(FileTest, ANulByteEndsTheScript) {
  std::string file = "<?xml version=\"1.0\" ?>\r\n<Zelomat><step><action>Type</action></step>";
  file += std::string(1, '\0') + "<step><action>Delay</action></step></Zelomat>";
  EXPECT_EQ(Load(Put("zero_byte.zxm", file)), 1);
}

TEST_F(FileTest, AFileWithoutStepsKeepsItsEmptyTab) {
  const std::string path = Put("nosteps.zxm", "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n</Zelomat>");
  EXPECT_EQ(Load(path), 0);
  EXPECT_EQ(LastMessage(), "No valid XML actions were found");
  EXPECT_EQ(LastCaption(), path);
  EXPECT_EQ(seam.tabs.size(), 1u);
  EXPECT_TRUE(seam.selected_rows.empty());
}

TEST_F(FileTest, BadInputLoadsWhatItCanWithoutHanging) {
  // Truncated in the middle of a step.
  EXPECT_EQ(Load(Put("cut.zxm", kFullFile.substr(0, kFullFile.find("<action>Comment")))), 2);
  // Missing closing tags inside the step.
  EXPECT_EQ(Load(Put("open.zxm", "<?xml?>\r\n<Zelomat><step><action>Type<text>abc<comment>x</step>")), 1);
  EXPECT_EQ(ws.slots[0].steps[0].action, "Type<text>abc<comment>x</step>");
  // A huge field.
  const std::string big(3 * 1024 * 1024, 'x');
  EXPECT_EQ(Load(Put("big.zxm", "<?xml?>\r\n<Zelomat><step><action>" + big + "</action><text>" + big +
                                    "</text><value1>" + big + "</value1></step></Zelomat>")),
            1);
  EXPECT_EQ(ws.slots[0].steps[0].text.size(), big.size());
  EXPECT_EQ(ws.slots[0].steps[0].value(1).size(), 259u);
  EXPECT_EQ(ws.slots[0].steps[0].action.size(), 63u);
  // Many recordings: the 256th list is refused.
  ws.recordings.Clear();
  std::string recs = "<?xml?>\r\n<Zelomat>";
  for (int i = 0; i < 300; ++i) recs += "<step><action>Recording</action><recording>[1-2-3-4]</recording></step>";
  EXPECT_EQ(Load(Put("recs.zxm", recs + "</Zelomat>")), 255);
  EXPECT_EQ(ws.recordings.size(), 255);
}

TEST_F(FileTest, SaveCreatesMissingFolders) {
  ws.slots[0].file_name = PathOf("new/deeper/script.zxm");
  std::string error;
  ASSERT_TRUE(SaveScriptFile(ws, 0, &error)) << error;
  EXPECT_EQ(Get(PathOf("new/deeper/script.zxm")), "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n</Zelomat>");
}

TEST_F(FileTest, SaveReplacesTheOldFile) {
  const std::string path = Put("old.zxm", std::string(5000, 'o'));
  ws.slots[0].file_name = path;
  std::string error;
  ASSERT_TRUE(SaveScriptFile(ws, 0, &error)) << error;
  EXPECT_EQ(Get(path), "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n</Zelomat>");
  EXPECT_FALSE(fs::exists(SaveTempName(path)));
}

TEST_F(FileTest, AFolderThatCannotBeCreatedFailsTheFirstStage) {
  Put("plain", "a file where a folder should be");
  ws.slots[0].file_name = PathOf("plain/sub/script.zxm");
  std::string error;
  EXPECT_FALSE(SaveScriptFile(ws, 0, &error));
  EXPECT_FALSE(error.empty());
  ASSERT_FALSE(seam.status.empty());
  EXPECT_EQ(seam.status.back(), "(1) Unable to create file '" + PathOf("plain/sub/script.zxm") + "': " + error);
}

TEST_F(FileTest, AFileThatCannotBeReplacedFailsTheSecondStageAndLeavesNoTemporaryFile) {
  fs::create_directories(dir / "taken.zxm" / "inside");
  ws.slots[0].file_name = PathOf("taken.zxm");
  std::string error;
  EXPECT_FALSE(SaveScriptFile(ws, 0, &error));
  ASSERT_FALSE(seam.status.empty());
  EXPECT_EQ(seam.status.back(), "(2) Unable to create file '" + PathOf("taken.zxm") + "': " + error);
  EXPECT_FALSE(fs::exists(SaveTempName(PathOf("taken.zxm"))));
  EXPECT_TRUE(fs::is_directory(dir / "taken.zxm" / "inside"));
}

#if !defined(_WIN32)
TEST_F(FileTest, AFailedWriteLeavesThePreviousFileIntact) {
  const std::string path = Put("keep.zxm", kFullFile);
  ASSERT_EQ(Load(path), 3);
  ws.slots[0].steps[2].text.Assign(std::string(100000, 'n'));  // the new file would be large

  // Let the system refuse writes beyond 8 KB, as a full disk would.
  struct rlimit old_limit;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  void (*old_handler)(int) = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 8192;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string error;
  const bool saved = SaveScriptFile(ws, 0, &error);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(Get(path), kFullFile);
  EXPECT_FALSE(fs::exists(SaveTempName(path)));
  EXPECT_EQ(seam.status.back(), "(2) Unable to create file '" + path + "': " + error);
}
#endif

TEST_F(FileTest, SaveCommandClearsUndoAndReports) {
  const std::string path = Put("cmd.zxm", kFullFile);
  ASSERT_EQ(Load(path), 3);
  ws.slots[0].undo.resize(2);
  seam.status.clear();
  ASSERT_TRUE(SaveCommand(ws, 0));
  EXPECT_FALSE(ws.slots[0].modified());
  EXPECT_EQ(seam.title, "cmd.zxm - Zelomat");
  EXPECT_EQ(seam.tab_texts.back(), (std::pair<int, std::string>{0, "cmd.zxm"}));
  EXPECT_EQ(seam.recent_added, (std::vector<std::string>{path}));
  EXPECT_EQ(seam.status.back(), "\"" + path + "\" has been saved  (" + std::to_string(kFullFile.size()) + " bytes)");
}

TEST_F(FileTest, AFailedSaveCommandKeepsTheScriptModified) {
  fs::create_directories(dir / "busy.zxm" / "x");
  ws.slots[0].file_name = PathOf("busy.zxm");
  ws.slots[0].undo.resize(1);
  EXPECT_FALSE(SaveCommand(ws, 0));
  EXPECT_TRUE(ws.slots[0].modified());
  ASSERT_EQ(seam.messages.size(), 1u);
  EXPECT_EQ(seam.messages[0].text.rfind("Unable to save the file \"" + PathOf("busy.zxm") + "\"\n\n", 0), 0u);
  EXPECT_GT(seam.messages[0].text.size(), ("Unable to save the file \"" + PathOf("busy.zxm") + "\"\n\n").size());
  EXPECT_EQ(seam.messages[0].caption, "Zelomat Error");
  EXPECT_TRUE(seam.recent_added.empty());
}

TEST(ScriptCommands, SaveAsNamesAndOpenedTexts) {
  EXPECT_EQ(WithScriptExtension("C:\\s\\run"), "C:\\s\\run.zxm");
  EXPECT_EQ(WithScriptExtension("run.xml"), "run.xml");
  ScriptSlot slot;
  EXPECT_TRUE(NeedsSaveAs(slot));
  slot.file_name = kUntitled;
  EXPECT_TRUE(NeedsSaveAs(slot));
  slot.file_name = "a.zxm";
  EXPECT_FALSE(NeedsSaveAs(slot));

  EXPECT_EQ(OpenedStatusText("a.zxm", 1024, 1), "\"a.zxm\" successfully opened  (1024 bytes, 1 step)");
  EXPECT_EQ(OpenedStatusText("a.zxm", 1025, 2), "\"a.zxm\" successfully opened  (1 K, 2 steps)");
  EXPECT_EQ(OpenedStatusText("a.zxm", 1048576, 0), "\"a.zxm\" successfully opened  (1024 K, 0 steps)");
  EXPECT_EQ(OpenedStatusText("a.zxm", 3 * 1048576 + 5, 9), "\"a.zxm\" successfully opened  (3 MB, 9 steps)");
}

}  // namespace zelo
