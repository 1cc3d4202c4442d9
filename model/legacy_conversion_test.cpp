#include "model/legacy_conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "model/catalogue.h"
#include "model/script_file.h"
#include "model/test_support.h"

namespace zelo {

namespace {

class LegacyTest : public ::testing::Test {
 protected:
  LegacyTest() : ws(&seam) {}
  // Reads one step of an old file.
  const StepRecord& Load(const std::string& inner) {
    const std::string text = "<?xml version=\"1.0\" ?>\r\n<Zeloplan7>\r\n<step>" + inner + "</step>\r\n</Zeloplan7>";
    EXPECT_EQ(ReadStepsXml(ws, text, -1), 1);
    return ws.current_slot().steps[static_cast<std::size_t>(ws.current_slot().step_count - 1)];
  }
  ScopedTestSettings settings;
  TestEditorSeam seam;
  Workspace ws;
};

}  // namespace

TEST(AddOptionWord, JoinsWithCommasAndAddsEachWordOnce) {
  Field list;
  AddOptionWord(list, "Hidden");
  AddOptionWord(list, "Title");
  AddOptionWord(list, "title");
  AddOptionWord(list, "ID");  // a word of its own, though "Hidden" holds the letters
  EXPECT_EQ(list, "Hidden,Title,ID");
}

TEST_F(LegacyTest, StartFlagsBecomeWordsInTableOrder) {
  const StepRecord& s = Load("<action>Start</action><options>3</options>");
  EXPECT_EQ(s.options, "Hidden,Wait For Exit,Title,Class");
  EXPECT_EQ(s.icon, FindCatalogueEntry("Start Hidden")->icon);
}

TEST_F(LegacyTest, FlagWordsDependOnTheCategory) {
  EXPECT_EQ(Load("<action>Display Message</action><options>1</options>").options, "Topmost,Title");
  EXPECT_EQ(Load("<action>Type</action><options>3</options>").options, "No Formatting,Fast,Slow,Title,Class");
  EXPECT_EQ(Load("<action>Activate</action><options>31</options>").options, "Title,Class,ID,Userdata,Image");
  EXPECT_EQ(Load("<action>Delay</action><options>16</options>").options, "");
  EXPECT_EQ(Load("<action>Delay</action><options>Hidden</options>").options, "");
}

TEST_F(LegacyTest, MinusOneStatusIsABreakpoint) {
  EXPECT_EQ(Load("<action>Type</action><status>-1</status>").status, STEP_BREAKPOINT);
  EXPECT_EQ(Load("<action>Type</action><status>0x1001</status>").status, 0x1001u);
}

TEST_F(LegacyTest, EncryptionMovesTextAndVariable) {
  const StepRecord& s = Load("<action>Crypt</action><text>secret</text><variable>result</variable>");
  EXPECT_EQ(s.action, "Encrypt/Decrypt Text");
  EXPECT_EQ(s.value(1), "secret");
  EXPECT_EQ(s.text, "result");
  EXPECT_EQ(s.output, "Variable");
  EXPECT_EQ(s.output_value, "result");  // rule 12: the block holds </variable>
}

TEST_F(LegacyTest, TimeoutComesFromQtyLoopsOrBytes) {
  EXPECT_EQ(Load("<action>Type</action><loops>4</loops><bytes>9</bytes>").timeout, "4");
  EXPECT_EQ(Load("<action>Type</action><bytes>9</bytes>").timeout, "9");
  EXPECT_EQ(Load("<action>Type</action><timeout>2</timeout><qty>4</qty>").timeout, "2");
  EXPECT_EQ(Load("<action>Ping IP Address</action><timeout>2</timeout><value3>7</value3>").timeout, "7");
}

TEST_F(LegacyTest, MouseCoordinatesJoinTheTextAndSnapIsAdded) {
  const StepRecord& s = Load("<action>Move Instantly</action><value1>10</value1><value2>20</value2>");
  EXPECT_EQ(s.action, "Move");
  EXPECT_EQ(s.text, "10, 20");
  EXPECT_EQ(s.value(1), "Snap to Position");
  EXPECT_TRUE(s.value(2).empty());
  // Controls keep their values; 0x10 and image actions get no snap.
  const StepRecord& c = Load("<action>Move to Control</action><value1>a</value1><value2>b</value2>");
  EXPECT_EQ(c.value(1), "a,Snap to Position");
  EXPECT_EQ(c.value(2), "b");
  EXPECT_TRUE(Load("<action>Move</action><options>16</options>").value(1).empty());
  EXPECT_TRUE(Load("<action>Move to Image</action>").value(1).empty());
}

TEST_F(LegacyTest, RelativeMovesBecomeMoveRelative) {
  const StepRecord& w = Load("<action>Move</action><options>32</options>");
  EXPECT_EQ(w.action, "Move Relative");
  EXPECT_EQ(w.icon, FindCatalogueEntry("Move Relative")->icon);
  EXPECT_EQ(w.options, "Window");
  const StepRecord& p = Load("<action>Move to Image</action><options>208</options>");  // 0x10|0x40|0x80
  EXPECT_EQ(p.action, "Move Relative");
  EXPECT_EQ(p.options, "Current Position,Stay at Current Position");
  EXPECT_TRUE(p.value(1).empty());
}

TEST_F(LegacyTest, DatabaseInternetAndFlowFieldsMove) {
  const StepRecord& sql =
      Load("<action>Save SQL Data to File</action><timeout>30</timeout><value5>out.csv</value5><options>4194304</options>");
  EXPECT_EQ(sql.action, "Execute SQL Query");
  EXPECT_EQ(sql.value(4), "30");
  EXPECT_TRUE(sql.timeout.empty());
  EXPECT_EQ(sql.output, "File");
  EXPECT_EQ(sql.output_value, "out.csv");
  EXPECT_TRUE(sql.value(5).empty());

  const StepRecord& ftp = Load("<action>FTP Upload</action><value7>up.txt</value7>");
  EXPECT_EQ(ftp.value(1), "up.txt");
  EXPECT_TRUE(ftp.value(7).empty());
  const StepRecord& down = Load("<action>FTP Download</action><value7>d.txt</value7><options>4194304</options>");
  EXPECT_EQ(down.output_value, "d.txt");
  EXPECT_TRUE(down.value(7).empty());

  const StepRecord& loop = Load("<action>Start 'For' Loop</action><timeout>5</timeout>");
  EXPECT_EQ(loop.text, "5");
  EXPECT_TRUE(loop.timeout.empty());
  EXPECT_EQ(Load("<action>Exit Run</action><timeout>3</timeout>").text, "3");
  EXPECT_EQ(Load("<action>Set Run Repeats</action><timeout>4</timeout>").text, "4");
}

TEST_F(LegacyTest, SystemActions) {
  const StepRecord& env = Load("<action>Set Environment Variable</action><value1>PATH</value1>");
  EXPECT_EQ(env.output_value, "PATH");
  EXPECT_EQ(env.output, "Variable");
  const char* const levels[][2] = {{"0", "2000"}, {"3", "350"}, {"9", "1"}, {"10", "0"}};
  for (const auto& l : levels) {
    const StepRecord& d = Load(std::string("<action>Set Run Speed</action><timeout>") + l[0] + "</timeout>");
    EXPECT_EQ(d.action, "Set Step Delay");
    EXPECT_EQ(d.text, l[1]) << l[0];
    EXPECT_TRUE(d.timeout.empty());
  }
  EXPECT_EQ(Load("<action>Set Step Delay</action><text>77</text><timeout>-1</timeout>").text, "77");
}

TEST_F(LegacyTest, PixelWaitsTakeTheColourIntoTheText) {
  const StepRecord& s = Load("<action>Wait for Pixel</action><value1>0xFF00</value1>");
  EXPECT_EQ(s.text, "0xFF00");
  EXPECT_TRUE(s.value(1).empty());
  EXPECT_EQ(Load("<action>IF Pixel is Visible</action><value1>1</value1>").text, "1");
}

TEST_F(LegacyTest, OutputFlags) {
  EXPECT_EQ(Load("<action>Get Text</action><options>1048576</options>").output, "Clipboard");
  EXPECT_EQ(Load("<action>Get Text</action><options>2097152</options>").output, "Variable");
  EXPECT_EQ(Load("<action>Read File</action><options>4194304</options><value7>x</value7>").output, "File");
  const StepRecord& v = Load("<action>Get Text</action><output value=\"kept\">Variable</output><variable>v</variable>");
  EXPECT_EQ(v.output_value, "kept");
  const StepRecord& w = Load("<action>Get Text</action><VARIABLE>v</VARIABLE>");
  EXPECT_EQ(w.output_value, "v");
  EXPECT_EQ(w.output, "Variable");
}

TEST_F(LegacyTest, LegacyModeIsChosenByTheWholeText) {
  // "<Zeloplan" anywhere, any case, switches every step to the old rules.
  ReadStepsXml(ws, "<step><action>Start</action><options>1</options></step><!-- <ZELOPLAN -->", -1);
  EXPECT_EQ(ws.current_slot().steps[0].options, "Hidden,Title");
}

}  // namespace zelo
