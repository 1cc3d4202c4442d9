#include "ui/commands/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/slots.h"
#include "model/test_support.h"
#include "model/undo.h"

namespace zelo {
namespace {

namespace fs = std::filesystem;

const char kScript[] =
    "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n"
    "<step>\r\n\t<action>Comment</action>\r\n\t<text>one</text>\r\n</step>\r\n"
    "<step>\r\n\t<action>Comment</action>\r\n\t<text>two</text>\r\n</step>\r\n"
    "</Zelomat>";

class FileCommands : public ::testing::Test {
 protected:
  FileCommands() : ws(&seam) {
    dir = fs::temp_directory_path() /
          ("zelo_file_commands_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = (dir / "a.zxm").string();
    std::ofstream(path, std::ios::binary) << kScript;
    EnsureOpenScript(ws);
  }
  ~FileCommands() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  static std::string Read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  ScopedTestSettings settings;
  TestEditorSeam seam;
  Workspace ws;
  fs::path dir;
  std::string path;
  AskSaveName no_name = [](std::string_view) { return std::string(); };
  FileThere exists = [](const std::string& p) { return fs::exists(p); };
};

TEST_F(FileCommands, OpeningAnOpenFileAsksAndRevertsOnlyOnYes) {
  ASSERT_TRUE(OpenScriptPath(ws, path));
  EXPECT_EQ(OpenSlotCount(ws), 1) << "the empty untitled script gave its slot up";
  ws.current_slot().steps[0].text.Assign("changed");
  PushUndo(ws, 1, 0, UNDO_MODIFY);
  seam.answer = MessageAnswer::No;
  EXPECT_TRUE(OpenScriptPath(ws, path));
  ASSERT_EQ(seam.messages.size(), 1u);
  EXPECT_EQ(seam.messages[0].caption, "Save");
  EXPECT_EQ(ws.current_slot().steps[0].text.str(), "changed");
  seam.answer = MessageAnswer::Yes;
  EXPECT_TRUE(OpenScriptPath(ws, path));
  EXPECT_EQ(OpenSlotCount(ws), 1);
  EXPECT_EQ(ws.current_slot().steps[0].text.str(), "one");
  EXPECT_FALSE(ws.current_slot().modified());
}

// A script whose file was deleted while it was open is written again by
// Save; reopening the vanished file fails with a clear text and the editor
// keeps a script to work in.
TEST_F(FileCommands, AVanishedFileIsSavedAgainAndItsReopenSaysWhy) {
  ASSERT_TRUE(OpenScriptPath(ws, path));
  fs::remove(path);
  ws.current_slot().steps[1].text.Assign("kept");
  PushUndo(ws, 1, 1, UNDO_MODIFY);
  ASSERT_TRUE(SaveSlot(ws, ws.current, no_name, exists));
  EXPECT_NE(Read(path).find("kept"), std::string::npos);
  EXPECT_FALSE(ws.current_slot().modified());

  fs::remove(path);
  CloseScript(ws, [](Workspace&, int) { return true; });
  seam.messages.clear();
  EXPECT_FALSE(OpenScriptPath(ws, path));
  ASSERT_FALSE(seam.messages.empty());
  EXPECT_NE(seam.messages.back().text.find("Please verify that the file exists"), std::string::npos);
  EXPECT_EQ(seam.status.back(), "Error while opening \"" + path + "\"");
  EXPECT_EQ(OpenSlotCount(ws), 1);
  EXPECT_EQ(ws.current_slot().file_name.str(), kUntitled);
}

TEST_F(FileCommands, SaveAsAddsTheExtensionAndReplacesAFileOnlyWhenTold) {
  ws.current_slot().file_name = kUntitled;
  const std::string other = (dir / "b").string();
  std::ofstream(other + ".zxm", std::ios::binary) << "keep me";
  AskSaveName ask_b = [&](std::string_view) { return other; };
  seam.answer = MessageAnswer::No;
  EXPECT_FALSE(SaveSlot(ws, ws.current, ask_b, exists));
  EXPECT_EQ(Read(other + ".zxm"), "keep me");
  EXPECT_EQ(ws.current_slot().file_name.str(), kUntitled);
  seam.answer = MessageAnswer::Yes;
  EXPECT_TRUE(SaveSlot(ws, ws.current, ask_b, exists));
  EXPECT_EQ(ws.current_slot().file_name.str(), other + ".zxm");
  EXPECT_NE(Read(other + ".zxm"), "keep me");
  EXPECT_FALSE(SaveSlot(ws, -1, ask_b, exists));
  EXPECT_FALSE(SaveSlotAs(ws, kMaxSlots, ask_b, exists));
}

}  // namespace
}  // namespace zelo
