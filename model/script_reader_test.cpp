#include <gtest/gtest.h>

#include <string>

#include "model/catalogue.h"
#include "model/script_file.h"
#include "model/test_support.h"

namespace zelo {

namespace {

std::string Step(const std::string& inner) { return "<step>\r\n" + inner + "</step>\r\n"; }
std::string Action(const std::string& name) { return "\t<action>" + name + "</action>\r\n"; }

int IconOf(const char* action) { return FindCatalogueEntry(action)->icon; }

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() : ws(&seam) {}
  int Read(const std::string& text, int at = -1) { return ReadStepsXml(ws, text, at); }
  ScriptSlot& slot() { return ws.current_slot(); }
  StepRecord& step(int i) { return slot().steps[static_cast<std::size_t>(i)]; }
  std::string Actions() {
    std::string all;
    for (int i = 0; i < slot().step_count; ++i) all += step(i).action.str() + ";";
    return all;
  }
  ScopedTestSettings settings;
  TestEditorSeam seam;
  Workspace ws;
};

}  // namespace

TEST_F(ReaderTest, ReadsEveryField) {
  const std::string text = Step(
      "\t<action> Start </action>\r\n\t<text>notepad.exe a&amp;b</text>\r\n\t<options>Single</options>\r\n"
      "\t<value1>v1</value1>\r\n\t<value8>&lt;8&gt;</value8>\r\n\t<timeout>5</timeout>\r\n"
      "\t<status>0x1002</status>\r\n\t<indents>2</indents>\r\n\t<output value=\"res\">Variable</output>\r\n"
      "\t<onfail value=\"lbl\" image=\"1\" log=\"1\">Goto Label</onfail>\r\n\t<comment>c</comment>\r\n"
      "\t<unknown>ignored</unknown>\r\n");
  ASSERT_EQ(Read("junk before" + text + "junk after"), 1);
  const StepRecord& s = step(0);
  EXPECT_EQ(s.action, "Start");
  EXPECT_EQ(s.category, CAT_RUN_PROGRAM);
  EXPECT_EQ(s.text, "notepad.exe a&b");
  EXPECT_EQ(s.text.block(), std::string("notepad.exe a&amp;b").size() + 1024);
  EXPECT_EQ(s.options, "Single");
  EXPECT_EQ(s.value(1), "v1");
  EXPECT_EQ(s.value(8), "<8>");
  EXPECT_EQ(s.timeout, "5");
  EXPECT_EQ(s.status, 0x1002u);
  EXPECT_EQ(s.indents, 2);
  EXPECT_EQ(s.output, "Variable");
  EXPECT_EQ(s.output_value, "res");
  EXPECT_EQ(s.onfail, "Goto Label");
  EXPECT_EQ(s.onfail_value, "lbl");
  EXPECT_EQ(s.onfail_image, 1);
  EXPECT_EQ(s.onfail_log, 1);
  EXPECT_EQ(s.comment, "c");
  EXPECT_EQ(slot().step_count, 1);
}

TEST_F(ReaderTest, MissingElementsGiveEmptyFieldsAndTheDefaultFailureMode) {
  ASSERT_EQ(Read(Step(Action("Delay"))), 1);
  const StepRecord& s = step(0);
  EXPECT_EQ(s.onfail, "Display Error and Stop");
  EXPECT_TRUE(s.timeout.empty());
  EXPECT_EQ(s.status, 0u);
  EXPECT_TRUE(s.text.empty());
  EXPECT_EQ(s.text.block(), 260u);
  EXPECT_EQ(s.comment.block(), 260u);
  EXPECT_EQ(s.category, CAT_WAIT);
  EXPECT_EQ(s.icon, IconOf("Delay"));
}

TEST_F(ReaderTest, OnfailValueFallsBackToTheLabelAttribute) {
  Read(Step(Action("Type") + "\t<onfail label=\"end\" image=\"0\" log=\"1\">Goto Label</onfail>\r\n") +
       Step(Action("Type") + "\t<onfail value=\"v\" label=\"end\">Goto Label</onfail>\r\n"));
  EXPECT_EQ(step(0).onfail_value, "end");
  EXPECT_EQ(step(0).onfail_log, 1);
  EXPECT_EQ(step(1).onfail_value, "v");
}

TEST_F(ReaderTest, RenamesActionsOfOlderVersions) {
  const char* const pairs[][2] = {
      {"Move to Object", "Move to Control"},
      {"sendmessage command", "Post WM_COMMAND"},
      {"Simulate Keypress", "Type"},
      {"Text + System Keys", "Type"},
      {"Move Instantly", "Move"},
      {"Freeze", "Delay"},
      {"My Crypt Thing", "Encrypt/Decrypt Text"},
      {"Left Button Down & Hold", "Left Button Down + Hold"},
      {"Wait for File", "Wait for File to Exist"},
      {"Set Run Speed", "Set Step Delay"},
      {"Save SQL Data to File", "Execute SQL Query"},
      {"Exit Zeloplan", "Exit Zelomat"},
      {"Move to Object Now", "Move to Object Now"},  // "equal" rules need the whole name
  };
  std::string text;
  for (const auto& p : pairs) text += Step(Action(p[0] == std::string("Left Button Down & Hold")
                                                      ? "Left Button Down &amp; Hold"
                                                      : p[0]));
  ASSERT_EQ(Read(text), 13);
  for (int i = 0; i < 13; ++i) EXPECT_EQ(step(i).action, pairs[i][1]) << i;
  EXPECT_EQ(step(0).category, CAT_MOUSE);
  EXPECT_EQ(step(12).category, 0);  // not in the catalogue
}

TEST_F(ReaderTest, EmptyActionEndsTheLoadKeepingEarlierSteps) {
  EXPECT_EQ(Read(Step(Action("Type")) + Step(Action("Delay")) + Step(Action("  ")) + Step(Action("Type"))), 2);
  EXPECT_EQ(slot().step_count, 2);
  EXPECT_EQ(slot().capacity(), 2);
  ASSERT_EQ(seam.messages.size(), 1u);
  EXPECT_EQ(seam.messages[0].text, "Empty <action> tag in step #3\n\nDiscontinuing file load at step #2");
  EXPECT_EQ(seam.messages[0].caption, "Zelomat Error");
}

TEST_F(ReaderTest, StopsAtABlockWithoutClosingTag) {
  EXPECT_EQ(Read("<STEP>" + Action("Type") + "</Step>" + "<step>" + Action("Delay")), 1);
  EXPECT_EQ(Read("</step><step>" + Action("Delay")), 0);
}

TEST_F(ReaderTest, GrowsInChunksAndTrimsToTheStepCount) {
  settings.SetNumber("MemoryAllocationChunk", 3);
  std::string text;
  for (int i = 0; i < 7; ++i) text += Step(Action("Type"));
  EXPECT_EQ(Read(text), 7);
  EXPECT_EQ(slot().capacity(), 7);
  settings.SetNumber("MemoryAllocationChunk", 0);  // 0 or less means 1
  EXPECT_EQ(Read(text), 7);
  EXPECT_EQ(slot().step_count, 14);
  EXPECT_EQ(slot().capacity(), 14);
}

TEST_F(ReaderTest, InsertsStepsAtAnIndexInOrder) {
  Read(Step(Action("Type")) + Step(Action("Delay")));
  EXPECT_EQ(Read(Step(Action("Move")) + Step(Action("Label")), 1), 2);
  EXPECT_EQ(Actions(), "Type;Move;Label;Delay;");
  EXPECT_EQ(slot().capacity(), 4);
  // An empty action in a paste removes its own record again.
  EXPECT_EQ(Read(Step(Action("Comment")) + Step(Action("")), 0), 1);
  EXPECT_EQ(Actions(), "Comment;Type;Move;Label;Delay;");
  EXPECT_EQ(slot().capacity(), 5);
}

TEST_F(ReaderTest, ShowsProgressForLongTexts) {
  std::string text;
  for (int i = 0; i < 120; ++i) text += Step(Action("Type"));
  ASSERT_GT(text.size(), 4096u);
  Read(text);
  EXPECT_EQ(seam.progress_shown, (std::vector<bool>{true, false}));
  EXPECT_EQ(seam.status, (std::vector<std::string>{"50 steps", "100 steps", "Loops: 0"}));
  EXPECT_EQ(seam.progress.size(), 2u);

  seam.progress_shown.clear();
  seam.status.clear();
  Read(Step(Action("Type")));
  EXPECT_EQ(seam.progress_shown, (std::vector<bool>{false}));
  EXPECT_EQ(seam.status, (std::vector<std::string>{"Loops: 0"}));
}

TEST_F(ReaderTest, ProgramStartStepsGetTheirIcons) {
  seam.program_icon = 500;
  Read(Step(Action("Start") + "<options>Single,Hidden</options><text>a.exe</text>") +
       Step(Action("Start") + "<options>Wait For Exit</options>") +
       Step(Action("Call Script") + "<options>Wait For Exit</options>") +
       Step(Action("Start") + "<options>Single</options><text>\"C:\\Apps\\Tool.EXE\" /x</text>") +
       Step(Action("Start") + "<text>readme.txt</text>") + Step(Action("Type") + "<text>a.exe</text>"));
  EXPECT_EQ(step(0).icon, IconOf("Start Hidden"));
  EXPECT_EQ(step(1).icon, IconOf("Start and Wait for Program to Exit"));
  EXPECT_EQ(step(2).icon, IconOf("Call Script"));
  EXPECT_EQ(step(3).icon, 500);
  EXPECT_EQ(step(4).icon, IconOf("Start"));
  EXPECT_EQ(step(5).icon, IconOf("Type"));
  EXPECT_EQ(seam.icon_requests, (std::vector<std::string>{"C:\\Apps\\Tool.EXE"}));

  seam.program_icon = -1;  // no icon to be had: the catalogue's stays
  Read(Step(Action("Kill Process") + "<text>x.exe</text>"));
  EXPECT_EQ(step(6).icon, IconOf("Kill Process"));
}

TEST_F(ReaderTest, RecordingsBecomeNewListsOfTheTable) {
  ws.recordings.Add({});
  Read(Step(Action("Recording") + "<value1>99</value1><value2>7</value2><recording>\r\n"
                                  "\t[0001-0002-0003-00000004]\t\r\n\t[0512--005-0010-00000100]\t\r\n</recording>\r\n"));
  EXPECT_EQ(step(0).value(1), "2");
  EXPECT_EQ(step(0).value(2), "1");
  const EventList* list = ws.recordings.Get(1);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->size(), 2u);
  EXPECT_EQ((*list)[0].message, 1);
  EXPECT_EQ((*list)[0].param_h, 2);
  EXPECT_EQ((*list)[0].param_l, 3);
  EXPECT_EQ((*list)[0].time, 4);
  EXPECT_EQ((*list)[1].param_h, -5);
}

TEST_F(ReaderTest, StopsWhenTheRecordingTableIsFull) {
  for (int i = 0; i < 254; ++i) ws.recordings.Add({});
  const std::string rec = Step(Action("Recording") + "<recording>[1-2-3-4]</recording>");
  EXPECT_EQ(Read(Step(Action("Type")) + rec + rec + Step(Action("Type"))), 2);
  EXPECT_EQ(ws.recordings.size(), 255);
  ASSERT_EQ(seam.messages.size(), 1u);
  EXPECT_EQ(seam.messages[0].text,
            "The maximum of 256 recordings per script has been exceeded in this file.\n\n"
            "The file load cannot be completed.");
  EXPECT_EQ(seam.messages[0].caption, "Zelomat Error");
  EXPECT_EQ(slot().capacity(), 2);
}

TEST_F(ReaderTest, NonLegacyOptionsAreTakenAsText) {
  Read("<Zelomat>" + Step(Action("Start") + "<options>3</options>") + "</Zelomat>");
  EXPECT_EQ(step(0).options, "3");
}

TEST_F(ReaderTest, WrittenStepsReadBackUnchanged) {
  for (int encode : {1, 0}) {
    settings.SetNumber("EncodeXML", static_cast<uint32_t>(encode));
    Workspace source(&seam);
    source.current_slot().file_name = "x";
    ReadStepsXml(source,
                 Step(Action("Start") + "<text>a&lt;b&amp;c</text><comment>&amp;lt;</comment>"
                                        "<status>0x1002</status><timeout>0</timeout>"
                                        "<onfail value=\"catalog\" image=\"1\" log=\"1\">Goto Label</onfail>"
                                        "<value2>&amp;amp;</value2>"),
                 -1);
    std::string written;
    WriteStepsXml(source, nullptr, false, 0, written);
    Workspace copy(&seam);
    ASSERT_EQ(ReadStepsXml(copy, written, -1), 1) << written;
    const StepRecord& a = source.current_slot().steps[0];
    const StepRecord& b = copy.current_slot().steps[0];
    EXPECT_EQ(b.text, "a<b&c");
    EXPECT_EQ(b.status, 0x1002u);
    EXPECT_TRUE(b.timeout.empty());
    EXPECT_EQ(b.onfail_value, "catalog");
    EXPECT_EQ(b.onfail_image, 1);
    EXPECT_EQ(b.onfail_log, 1);
    EXPECT_EQ(b.value(2), "&amp;");
    if (encode) {
      // Only the escaped form keeps a literal entity text.
      EXPECT_EQ(b.comment, "&lt;");
      EXPECT_EQ(a.comment.view(), b.comment.view());
      EXPECT_NE(written.find("<text>a&lt;b&amp;c</text>"), std::string::npos);
      EXPECT_NE(written.find("<comment>&amp;lt;</comment>"), std::string::npos);
    } else {
      EXPECT_NE(written.find("<text>a<b&c</text>"), std::string::npos);
    }
  }
}

}  // namespace zelo
