#include <gtest/gtest.h>

#include <string>

#include "model/catalogue.h"
#include "model/script_file.h"
#include "model/test_support.h"

namespace zelo {

namespace {

StepRecord MakeStep(const char* action) {
  StepRecord s;
  s.action = action;
  if (const CatalogueEntry* e = FindCatalogueEntry(action)) {
    s.category = e->category;
    s.icon = e->icon;
  }
  s.text.Allocate();
  s.comment.Allocate();
  s.onfail = kDefaultFailureMode;
  return s;
}

class WriterTest : public ::testing::Test {
 protected:
  WriterTest() : ws(&seam) {}
  void Add(StepRecord s) {
    ws.current_slot().steps.push_back(std::move(s));
    ws.current_slot().step_count++;
  }
  std::string Write(bool results = false, int limit = 0) {
    std::string out;
    written = WriteStepsXml(ws, nullptr, results, limit, out);
    return out;
  }
  ScopedTestSettings settings;
  TestEditorSeam seam;
  Workspace ws;
  int written = 0;
};

}  // namespace

TEST_F(WriterTest, WritesEveryFieldInTheFixedOrder) {
  StepRecord s = MakeStep("Start");
  s.text.Assign("notepad.exe");
  s.options = "Hidden";
  s.value(1) = "v1";
  s.value(3) = "a<b";
  s.timeout = "5";
  s.status = 0x1002;
  s.indents = 2;
  s.output = "Variable";
  s.output_value = "res";
  s.onfail = "Goto Label";
  s.onfail_value = "lbl";
  s.onfail_image = 1;
  s.comment.Assign("note");
  Add(std::move(s));
  EXPECT_EQ(Write(),
            "<step>\r\n"
            "\t<action>Start</action>\r\n"
            "\t<text>notepad.exe</text>\r\n"
            "\t<options>Hidden</options>\r\n"
            "\t<value1>v1</value1>\r\n"
            "\t<value3>a&lt;b</value3>\r\n"
            "\t<timeout>5</timeout>\r\n"
            "\t<status>0x1002</status>\r\n"
            "\t<indents>2</indents>\r\n"
            "\t<output value=\"res\">Variable</output>\r\n"
            "\t<onfail value=\"lbl\" image=\"1\" log=\"0\">Goto Label</onfail>\r\n"
            "\t<comment>note</comment>\r\n"
            "</step>\r\n");
  EXPECT_EQ(written, 1);
}

TEST_F(WriterTest, LeavesOutEmptyAndDefaultFields) {
  StepRecord s = MakeStep("Delay");
  s.timeout = "0";
  s.output = "(do not save)";
  s.output_value = "x";
  Add(std::move(s));
  EXPECT_EQ(Write(), "<step>\r\n\t<action>Delay</action>\r\n</step>\r\n");
}

TEST_F(WriterTest, WritesTheOnfailLineOnlyWhenItSaysMoreThanTheDefault) {
  StepRecord plain = MakeStep("Type");
  StepRecord other = MakeStep("Type");
  other.onfail = "Continue";
  StepRecord logged = MakeStep("Type");
  logged.onfail_log = 1;
  StepRecord lower = MakeStep("Type");
  lower.onfail = "display error and stop";  // the test is case-sensitive
  Add(plain);
  Add(other);
  Add(logged);
  Add(lower);
  const std::string out = Write();
  EXPECT_EQ(out,
            "<step>\r\n\t<action>Type</action>\r\n</step>\r\n"
            "<step>\r\n\t<action>Type</action>\r\n\t<onfail>Continue</onfail>\r\n</step>\r\n"
            "<step>\r\n\t<action>Type</action>\r\n"
            "\t<onfail value=\"\" image=\"0\" log=\"1\">Display Error and Stop</onfail>\r\n</step>\r\n"
            "<step>\r\n\t<action>Type</action>\r\n\t<onfail>display error and stop</onfail>\r\n</step>\r\n");
}

TEST_F(WriterTest, OutputWithoutValueAndStatusInLowerCaseHex) {
  StepRecord s = MakeStep("Get Text");
  s.output = "Clipboard";
  s.status = 0xABCu;
  s.indents = -1;
  Add(std::move(s));
  EXPECT_EQ(Write(),
            "<step>\r\n\t<action>Get Text</action>\r\n\t<status>0xabc</status>\r\n"
            "\t<output>Clipboard</output>\r\n</step>\r\n");
}

TEST_F(WriterTest, NeverEscapesActionOptionsTimeoutOutputOrAttributes) {
  StepRecord s = MakeStep("Type");
  s.options = "a&b";
  s.timeout = "<5>";
  s.output = "File";
  s.output_value = "a&b.txt";
  s.onfail = "Goto Label";
  s.onfail_value = "x<y";
  Add(std::move(s));
  const std::string out = Write();
  EXPECT_NE(out.find("\t<options>a&b</options>\r\n"), std::string::npos);
  EXPECT_NE(out.find("\t<timeout><5></timeout>\r\n"), std::string::npos);
  EXPECT_NE(out.find("<output value=\"a&b.txt\">File</output>"), std::string::npos);
  EXPECT_NE(out.find("<onfail value=\"x<y\" image=\"0\" log=\"0\">"), std::string::npos);
}

TEST_F(WriterTest, EscapesTextsPerSettingAndValuesWhenTheyFit) {
  StepRecord s = MakeStep("Type");
  s.text.Assign("a<b&c");
  s.comment.Assign("&lt;");
  s.value(1) = std::string(255, 'x') + "&";   // escaped form has 260 characters: too long
  s.value(2) = std::string(254, 'x') + "&";   // 259: fits
  Add(s);
  std::string out = Write();
  EXPECT_NE(out.find("\t<text>a&lt;b&amp;c</text>\r\n"), std::string::npos);
  EXPECT_NE(out.find("\t<comment>&amp;lt;</comment>\r\n"), std::string::npos);
  EXPECT_NE(out.find("<value1>" + std::string(255, 'x') + "&</value1>"), std::string::npos);
  EXPECT_NE(out.find("<value2>" + std::string(254, 'x') + "&amp;</value2>"), std::string::npos);
  // The step in memory is untouched.
  EXPECT_EQ(ws.current_slot().steps[0].comment, "&lt;");

  settings.SetNumber("EncodeXML", 0);
  out = Write();
  EXPECT_NE(out.find("\t<text>a<b&c</text>\r\n"), std::string::npos);
  EXPECT_NE(out.find("\t<comment>&lt;</comment>\r\n"), std::string::npos);
  EXPECT_NE(out.find("<value2>" + std::string(254, 'x') + "&amp;</value2>"), std::string::npos);
}

TEST_F(WriterTest, EscapesATextOnlyWhenTheEscapedFormFitsItsBlock) {
  StepRecord s = MakeStep("Type");
  s.text.AssignInBlock("<<<", 10);  // "&lt;&lt;&lt;" needs 13 bytes
  s.comment.AssignInBlock("<<", 9);  // "&lt;&lt;" needs 9
  Add(std::move(s));
  const std::string out = Write();
  EXPECT_NE(out.find("\t<text><<<</text>\r\n"), std::string::npos);
  EXPECT_NE(out.find("\t<comment>&lt;&lt;</comment>\r\n"), std::string::npos);
}

TEST_F(WriterTest, LengthLimitCutsTextsAndDropsRecordings) {
  // Limit 10: longer than 5 is cut to 5; "..." once the field has 10 or more.
  const char* texts[] = {"12345", "123456", "123456789", "1234567890"};
  for (const char* t : texts) {
    StepRecord s = MakeStep("Comment");
    s.text.Assign(t);
    Add(std::move(s));
  }
  StepRecord rec = MakeStep("Recording");
  Add(std::move(rec));
  const std::string out = Write(false, 10);
  EXPECT_NE(out.find("<text>12345</text>"), std::string::npos);
  EXPECT_EQ(out.find("<text>123456</text>"), std::string::npos);
  EXPECT_NE(out.find("<text>12345...</text>"), std::string::npos);
  EXPECT_EQ(out.find("<recording>"), std::string::npos);
  size_t cut = 0, dots = 0;
  for (size_t p = 0; (p = out.find("<text>12345</text>", p)) != std::string::npos; ++p) ++cut;
  for (size_t p = 0; (p = out.find("<text>12345...</text>", p)) != std::string::npos; ++p) ++dots;
  EXPECT_EQ(cut, 3u);
  EXPECT_EQ(dots, 1u);
}

TEST_F(WriterTest, ResultsAddLastRunWords) {
  StepRecord s = MakeStep("Type");
  s.last_run = LAST_RUN_FAIL_CONTINUE;
  s.comment.Assign("c");
  Add(std::move(s));
  EXPECT_EQ(Write(true),
            "<step>\r\n\t<action>Type</action>\r\n\t<comment>c</comment>\r\n"
            "\t<last_run>Fail and Continue</last_run>\r\n</step>\r\n");
}

TEST_F(WriterTest, RecordingStepsCarryTheirEventLines) {
  const int index = ws.recordings.Add({{1, 3, 2, 4, 7}, {-5, 0, 10, 20, 0}, {9, 9, 9, 9, 9}});
  StepRecord s = MakeStep("Recording");
  s.value(1) = "2";  // only the first two events belong to the step
  s.value(2) = std::to_string(index);
  Add(std::move(s));
  EXPECT_EQ(Write(),
            "<step>\r\n\t<action>Recording</action>\r\n\t<value1>2</value1>\r\n\t<value2>0</value2>\r\n"
            "\t<recording>\r\n\t[0001-0002-0003-00000004]\t\r\n\t[-005-0010-0000-00000020]\t\r\n"
            "\t</recording>\r\n</step>\r\n");
}

TEST_F(WriterTest, ARecordingStepWithoutAListWritesNoEvents) {
  ws.recordings.Add({{1, 1, 1, 1, 0}});
  Add(MakeStep("Recording"));  // value2 empty: it never recorded anything
  EXPECT_EQ(Write(), "<step>\r\n\t<action>Recording</action>\r\n\t<recording>\r\n\t</recording>\r\n</step>\r\n");
}

TEST_F(WriterTest, StopsAtAStepOutsideTheCategories) {
  Add(MakeStep("Type"));
  StepRecord odd = MakeStep("Type");
  odd.category = 18;
  Add(odd);
  Add(MakeStep("Delay"));
  EXPECT_EQ(Write(), "<step>\r\n\t<action>Type</action>\r\n</step>\r\n");
  EXPECT_EQ(written, 1);
}

TEST_F(WriterTest, WritesOnlyTheChosenRows) {
  Add(MakeStep("Type"));
  Add(MakeStep("Delay"));
  Add(MakeStep("Beep"));
  std::vector<int> rows = {2, 0, 7};
  std::string out;
  EXPECT_EQ(WriteStepsXml(ws, &rows, false, 0, out), 2);
  EXPECT_EQ(out, "<step>\r\n\t<action>Beep</action>\r\n</step>\r\n<step>\r\n\t<action>Type</action>\r\n</step>\r\n");
}

TEST_F(WriterTest, ShowsProgressForMoreThanTenSteps) {
  for (int i = 0; i < 10; ++i) Add(MakeStep("Type"));
  Write();
  EXPECT_TRUE(seam.progress_shown.empty());
  EXPECT_TRUE(seam.status.empty());
  Add(MakeStep("Type"));
  Write();
  EXPECT_EQ(seam.progress_shown, (std::vector<bool>{true, false}));
  ASSERT_FALSE(seam.progress.empty());
  EXPECT_EQ(seam.progress.back(), 100);
  EXPECT_EQ(seam.status, (std::vector<std::string>{"Loops: 0"}));
}

TEST_F(WriterTest, WholeFileHasDeclarationCustomTagsRootAndNoFinalLineEnd) {
  ws.current_slot().custom_xml_tags = "<?xml-stylesheet type=\"text/xsl\" href=\"r.xsl\"?>\r\n";
  Add(MakeStep("Type"));
  EXPECT_EQ(ScriptFileText(ws, 0),
            "<?xml version=\"1.0\" ?>\r\n<?xml-stylesheet type=\"text/xsl\" href=\"r.xsl\"?>\r\n<Zelomat>\r\n"
            "<step>\r\n\t<action>Type</action>\r\n</step>\r\n</Zelomat>");
  ws.slots[1].file_name = "empty.zxm";
  EXPECT_EQ(ScriptFileText(ws, 1), "<?xml version=\"1.0\" ?>\r\n<Zelomat>\r\n</Zelomat>");
}

}  // namespace zelo
