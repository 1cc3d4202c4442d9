#include "model/slots.h"

#include <gtest/gtest.h>

#include "model/testing/editing_fixture.h"
#include "model/undo.h"

namespace zelo {

class SlotsTest : public EditingTest {
 protected:
  // Opens a file name in a slot the way Open does (without reading a file).
  int Open(const std::string& path) {
    int s = FindFreeSlot(ws);
    if (s >= 0) ShowOpenedSlot(ws, s, path);
    return s;
  }
  // Marks the current script modified with one added step.
  void Edit() { AddSteps({"Comment"}); }

  SaveSlotFn RecordSaves(bool result) {
    return [this, result](Workspace&, int s) {
      saved.push_back(s);
      return result;
    };
  }
  std::vector<int> saved;
};

TEST_F(SlotsTest, StartsWithOneUntitledScript) {
  EXPECT_EQ(slot().file_name, "(Untitled)");
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"(Untitled)"});
  EXPECT_EQ(seam.title, "(Untitled) - Zelomat");
}

TEST_F(SlotsTest, OpeningReplacesAnEmptyUntitledScript) {
  EXPECT_EQ(Open("C:\\scripts\\first.zxm"), 0);
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"first.zxm"});
  EXPECT_EQ(seam.title, "first.zxm - Zelomat");
  EXPECT_EQ(ws.current, 0);
  EXPECT_EQ(OpenSlotCount(ws), 1);
}

TEST_F(SlotsTest, AnUntitledScriptWithStepsOrUndoIsKept) {
  Edit();
  EXPECT_EQ(Open("C:\\a.zxm"), 1);
  EXPECT_EQ(seam.tabs, (std::vector<std::string>{"* (Untitled)", "a.zxm"}));
  EXPECT_EQ(ws.current, 1);
}

TEST_F(SlotsTest, TabsShowFullPathsWhenAsked) {
  WriteSettingNumber("SOFTWARE\\Zelomat\\ShowFullFilesInTabs", 1);
  Open("C:\\scripts\\first.zxm");
  EXPECT_EQ(seam.tabs[0], "C:\\scripts\\first.zxm");
  EXPECT_EQ(seam.title, "C:\\scripts\\first.zxm - Zelomat");
}

TEST_F(SlotsTest, NinthScriptIsRefusedWithTheMaximumFilesWarning) {
  for (int i = 0; i < kMaxSlots; ++i) ASSERT_EQ(Open("C:\\s" + std::to_string(i) + ".zxm"), i);
  seam.ClearLog();
  auto tabs = seam.tabs;
  EXPECT_EQ(NewScript(ws), -1);
  EXPECT_EQ(FindFreeSlot(ws), -1);
  ASSERT_EQ(seam.messages.size(), 2u);
  EXPECT_EQ(seam.messages[0].text,
            "A maximum of 8 files may be opened in Zelomat.\n\nPlease close a file before opening another one.");
  EXPECT_EQ(seam.messages[0].caption, "Zelomat Warning");
  EXPECT_EQ(seam.tabs, tabs);
  EXPECT_EQ(ws.current, 7);
  EXPECT_EQ(ws.slots[7].file_name, "C:\\s7.zxm");
}

TEST_F(SlotsTest, NewWithAnEmptyUntitledScriptReusesIt) {
  EXPECT_EQ(NewScript(ws), 0);
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"(Untitled)"});
}

TEST_F(SlotsTest, ClosingAModifiedScriptAsksToSave) {
  Open("C:\\a.zxm");
  Edit();
  seam.Answer(MessageAnswer::Yes);
  EXPECT_TRUE(CloseScript(ws, RecordSaves(true)));
  ASSERT_EQ(seam.messages.size(), 1u);
  EXPECT_EQ(seam.messages[0].text, "Save changes to C:\\a.zxm?");
  EXPECT_EQ(seam.messages[0].caption, "Confirm Action");
  EXPECT_EQ(seam.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(saved, std::vector<int>{0});
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"(Untitled)"});  // the last one closed: a new untitled
}

TEST_F(SlotsTest, CancelOrAFailedSaveKeepsTheScriptOpen) {
  Open("C:\\a.zxm");
  Edit();
  seam.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(CloseScript(ws, RecordSaves(true)));
  EXPECT_TRUE(saved.empty());
  seam.Answer(MessageAnswer::Yes);
  EXPECT_FALSE(CloseScript(ws, RecordSaves(false)));
  EXPECT_EQ(slot().file_name, "C:\\a.zxm");
  EXPECT_EQ(slot().step_count, 1);
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"* a.zxm"});
}

TEST_F(SlotsTest, NoDiscardsAndUnmodifiedOrPromptSaveOffDoNotAsk) {
  Open("C:\\a.zxm");
  Edit();
  seam.Answer(MessageAnswer::No);
  EXPECT_TRUE(CloseScript(ws, RecordSaves(true)));
  EXPECT_TRUE(saved.empty());
  EXPECT_EQ(slot().step_count, 0);

  Open("C:\\b.zxm");
  seam.ClearLog();
  EXPECT_TRUE(CloseScript(ws, RecordSaves(true)));  // unmodified
  Open("C:\\c.zxm");
  Edit();
  WriteSettingNumber("SOFTWARE\\Zelomat\\PromptSave", 0);
  EXPECT_TRUE(CloseScript(ws, RecordSaves(true)));
  EXPECT_TRUE(seam.messages.empty());
}

TEST_F(SlotsTest, ClosingMovesLaterScriptsDownAndKeepsTheTabPosition) {
  Open("C:\\a.zxm");
  Open("C:\\b.zxm");
  Open("C:\\c.zxm");
  AddSteps({"Delay", "Delay"});
  ws.slots[2].custom_xml_tags = "<?xml-stylesheet x?>";
  SwitchToSlot(ws, 1);
  EXPECT_TRUE(CloseScript(ws, RecordSaves(true)));  // c is modified but not closed: no question
  EXPECT_EQ(ws.current, 1);
  EXPECT_EQ(ws.slots[1].file_name, "C:\\c.zxm");
  EXPECT_EQ(ws.slots[1].step_count, 2);
  EXPECT_EQ(ws.slots[1].undo.size(), 2u);
  EXPECT_EQ(ws.slots[1].custom_xml_tags, "<?xml-stylesheet x?>");
  EXPECT_TRUE(ws.slots[2].is_free());
  EXPECT_EQ(seam.tabs, (std::vector<std::string>{"a.zxm", "* c.zxm"}));
  EXPECT_EQ(seam.selected_tab, 1);
  EXPECT_EQ(seam.title, "* c.zxm - Zelomat");

  seam.Answer(MessageAnswer::No);
  EXPECT_TRUE(CloseScript(ws, RecordSaves(true)));  // the last tab: the one before becomes current
  EXPECT_EQ(ws.current, 0);
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"a.zxm"});
  EXPECT_EQ(seam.title, "a.zxm - Zelomat");
}

TEST_F(SlotsTest, CloseAllStopsAtTheFirstCancel) {
  Open("C:\\a.zxm");
  Open("C:\\b.zxm");
  Edit();
  Open("C:\\c.zxm");
  seam.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(CloseAllScripts(ws, RecordSaves(true)));
  EXPECT_EQ(seam.tabs, (std::vector<std::string>{"* b.zxm", "c.zxm"}));
  EXPECT_EQ(ws.current, 0);

  seam.Answer(MessageAnswer::No);
  EXPECT_TRUE(CloseAllScripts(ws, RecordSaves(true)));
  EXPECT_EQ(OpenSlotCount(ws), 1);
  EXPECT_EQ(ws.slots[0].file_name, "(Untitled)");
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"(Untitled)"});
  EXPECT_EQ(seam.unscripted_questions, 0);
}

TEST_F(SlotsTest, EnsureOpenScriptRestoresAnUntitledScriptAfterAFailedOpen) {
  int s = FindFreeSlot(ws);  // gives up the empty untitled script
  EXPECT_EQ(s, 0);
  EXPECT_TRUE(seam.tabs.empty());
  EnsureOpenScript(ws);
  EXPECT_EQ(seam.tabs, std::vector<std::string>{"(Untitled)"});
  EnsureOpenScript(ws);
  EXPECT_EQ(seam.tabs.size(), 1u);
}

}  // namespace zelo
