#include "actions/conditions/if_actions.h"

#include <gtest/gtest.h>

#include <fstream>

#include "actions/flow/flow_test_fixture.h"
#include "actions/screen/screen_test_support.h"
#include "actions/shared/action_services.h"
#include "settings/defaults.h"

namespace zelo {
namespace {

using test::FlowTest;

TEST(ClassifyIf, TestsTheWordsInTheirOrder) {
  EXPECT_EQ(ClassifyIf("IF File Exists"), IfCondition::FileExists);
  EXPECT_EQ(ClassifyIf("IF Folder Exists"), IfCondition::FolderExists);
  EXPECT_EQ(ClassifyIf("IF Control Exists"), IfCondition::WindowExists);
  EXPECT_EQ(ClassifyIf("IF Masked Image is Visible"), IfCondition::PixelOrImage);
  EXPECT_EQ(ClassifyIf("IF Pixel is Visible"), IfCondition::PixelOrImage);
  EXPECT_EQ(ClassifyIf("IF Control Is Checked"), IfCondition::ControlChecked);
  EXPECT_EQ(ClassifyIf("if caps lock is on"), IfCondition::CapsLock);
  EXPECT_EQ(ClassifyIf("IF Clipboard Equals"), IfCondition::ClipboardEquals);
  EXPECT_EQ(ClassifyIf("IF Expression"), IfCondition::Expression);
  EXPECT_EQ(ClassifyIf("ELSE"), IfCondition::Else);
  EXPECT_EQ(ClassifyIf("END IF"), IfCondition::Other);
}

TEST_F(FlowTest, AFalseIfWithoutElseGoesOnAtItsEndIf) {
  If("IF Expression", "1 = 2");
  RecordText("body");
  If("END IF");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"after"});
  EXPECT_NE(Log().find("\tJumping to matching ELSE/END IF statement: [Step 3]\r\n"), std::string::npos);
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE);
  EXPECT_EQ(Step(2).last_run, LAST_RUN_PASS);
  EXPECT_EQ(Log().find("ERROR while running"), std::string::npos);
}

TEST_F(FlowTest, ATrueIfRunsItsBranchAndPassesOverTheElseBranch) {
  SetVar("n", "5");
  If("IF Expression", "%n > 2");
  RecordText("then");
  If("ELSE");
  RecordText("else");
  If("END IF");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"then", "after"}));
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_NE(Log().find("\tJumping to matching ELSE/END IF statement: [Step 5]\r\n"), std::string::npos);
}

TEST_F(FlowTest, AFalseIfRunsTheElseBranch) {
  If("IF Expression", "a = b");
  RecordText("then");
  If("ELSE");
  RecordText("else");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"else"});
}

TEST_F(FlowTest, ANestedIfInTheSkippedBranchKeepsItsOwnElse) {
  If("IF Expression", "0");
  If("IF Expression", "1");
  RecordText("inner then");
  If("ELSE");
  RecordText("inner else");
  If("END IF");
  If("ELSE");
  RecordText("outer else");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"outer else"});
}

TEST_F(FlowTest, ASkippedEndIfEndsNoBlock) {
  If("IF Expression", "0");
  RecordText("body");
  If("END IF").status = STEP_SKIP;
  RecordText("still in the block");
  If("END IF");
  RecordText("after");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"after"});
}

TEST_F(FlowTest, AnIfWithoutEndWarnsAndRunsTheLastStep) {
  If("IF Expression", "0");
  RecordText("body");
  RecordText("last");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"last"});
  EXPECT_NE(Log().find("\tWARNING: Matching ELSE/END IF statement not found!  Jumping to Step 3\r\n"),
            std::string::npos);
}

// Going on at the last step would run the same IF again for ever.
TEST_F(FlowTest, AFalseIfWithoutEndAsTheLastStepFailsTheRun) {
  RecordText("first");
  If("IF Expression", "0");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"first"});
  EXPECT_NE(Log().find("\tWARNING: Matching ELSE/END IF statement not found!  Jumping to Step 2\r\nRUN FAILED\r\n"),
            std::string::npos)
      << Log();
  EXPECT_EQ(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FlowTest, AFalseIfNeverAppliesItsFailureSettings) {
  StepRecord& step = If("IF Expression", "0");
  step.onfail = "Ask to Continue";
  step.timeout = "30";
  step.onfail_image = 1;
  If("END IF");
  RunAndWait();
  EXPECT_TRUE(messages.All().empty());
  EXPECT_TRUE(system.Captures().empty());
  EXPECT_EQ(Calls().size(), 0u);
  EXPECT_NE(Log().find("Run Completed"), std::string::npos);
}

TEST_F(FlowTest, ConditionsThatCannotBeLookedAtFailTheStep) {
  for (const char* action : {"IF Pixel is Visible", "IF Image is Visible", "IF Masked Image is Visible"}) {
    ws.slots[0].steps.clear();
    If(action, "Notepad");
    RecordText("body");
    If("END IF");
    RunAndWait();
    EXPECT_NE(Log().find(std::string("ERROR while running [STEP 1] ") + action + ": The \"" + action +
                         "\" condition is not available in this version"),
              std::string::npos)
        << action;
    EXPECT_TRUE(Recorded().empty()) << action;
    EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL);
  }
  EXPECT_EQ(messages.All().size(), 3u) << "each applied its failure mode";
}

TEST_F(FlowTest, AnUndecidedConditionFollowsItsOwnFailureMode) {
  If("IF Window Exists", "Notepad").onfail = "Jump to Label";
  Step(0).onfail_value = "fallback";
  RecordText("body");
  If("END IF");
  Flow("Label", "fallback");
  RecordText("fallback");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"fallback"});
}

TEST_F(FlowTest, CapsLockAndClipboardConditions) {
  input.caps_lock = true;
  messages.SetClipboardText("Hello");
  If("IF Caps Lock is On");
  RecordText("caps");
  If("END IF");
  If("IF Clipboard Equals", "Hello");
  RecordText("same");
  If("END IF");
  If("IF Clipboard Equals", "hello");
  RecordText("case differs");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"caps", "same"}));
}

TEST_F(FlowTest, FileAndFolderConditions) {
  test::TempFolder dir;
  std::ofstream(dir.File("there.txt")) << "x";
  If("IF File Exists", dir.File("there.txt"));
  RecordText("file");
  If("END IF");
  If("IF File Exists", dir.File("missing.txt"));
  RecordText("missing file");
  If("END IF");
  If("IF Folder Exists", dir.File(""));
  RecordText("folder");
  If("END IF");
  If("IF Folder Exists", dir.File("there.txt"));
  RecordText("file as folder");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"file", "folder"}));
}

// The pixel and image conditions on a screen the test draws, with image
// files the test writes.
class ScreenIfTest : public FlowTest {
 protected:
  ScreenIfTest() : screen(120, 80, 0x202020) {
    for (int32_t y = 0; y < 80; ++y)
      for (int32_t x = 0; x < 120; ++x) screen.at(x, y) = static_cast<uint32_t>(x * 2 + y * 300);
    services.expand = &Expand;
    services.save = &Save;
    services.resolve_path = &Resolve;
    services.screen = &screen;
    engine.handlers().SetServices(&services);
    saved().clear();
  }
  std::string WriteImage(const std::string& name, const BitmapPixels& image) {
    std::ofstream(dir.File(name), std::ios::binary) << test::BmpFile(image);
    return dir.File(name);
  }
  static std::string Expand(std::string_view field, int slot, int step) {
    ExpandText(field, slot, step);
    return ExpansionBuffer();
  }
  // The path search knows Windows paths; the tests' files have full local paths.
  static bool Resolve(std::string_view name, std::string* out, std::string_view) {
    *out = std::string(name);
    return std::ifstream(*out).good();
  }
  static std::vector<std::string>& saved() {
    static std::vector<std::string> v;
    return v;
  }
  static void Save(const StepRecord&, int, int index, std::string_view data) {
    saved().push_back(std::to_string(index) + ":" + std::string(data));
  }

  test::FakeScreen screen;
  ActionServices services;
  test::TempFolder dir;
};

TEST_F(ScreenIfTest, ImageConditionsFindTheImageAndSaveItsCorner) {
  const BitmapPixels image = test::CutImage(screen, 70, 50, 8, 6);
  BitmapPixels masked = image;
  for (int32_t i = 0; i < 8; ++i) masked.pixels[static_cast<std::size_t>(i)] = kMaskMagenta;  // the top row
  const std::string plain = WriteImage("image.bmp", image), copy = WriteImage("masked.bmp", masked);
  If("IF Image is Visible", plain);
  RecordText("image");
  If("END IF");
  If("IF Masked Image is Visible", copy);
  RecordText("masked");
  If("END IF");
  If("IF Image is Visible", copy);
  RecordText("masked copy, compared whole");
  If("END IF");
  If("IF Image is Visible", plain).value(2) = "0, 0";
  Step(9).value(3) = "76, 79";  // the region leaves out the image's last column
  RecordText("outside the region");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"image", "masked"}));
  EXPECT_EQ(saved(), (std::vector<std::string>{"0:70, 50", "3:70, 50"}));
  EXPECT_NE(Log().find("\tSearching for image \"" + plain + "\"\r\n\t*Find Image Size=[8 x 6]  Search "
                       "Region=(0,0)->(119,79)\r\n"),
            std::string::npos)
      << Log();
  EXPECT_NE(Log().find("Search Region=(0,0)->(76,79)"), std::string::npos);
}

TEST_F(ScreenIfTest, PixelConditionsAndTheStopKey) {
  screen.at(100, 70) = 0xFF0000;  // red, in the capture's byte order
  If("IF Pixel is Visible", "#ff0000");
  RecordText("red");
  If("END IF");
  If("IF Pixel is Visible", "YELLOW");
  RecordText("yellow");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"red"});
  EXPECT_NE(Log().find("\tSearching for pixel color #ff0000\r\n"), std::string::npos);
  EXPECT_TRUE(saved().empty()) << "a pixel gives no result";

  input.Press(StopKeySetting());
  RunAndWait();
  EXPECT_NE(Log().find("\tStop key pressed, aborting image search\r\n"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Stop request: aborting run at [STEP 1]"), std::string::npos) << Log();
}

TEST_F(ScreenIfTest, AMissingImageIsFalseAndAnUnreadableOneFailsTheStep) {
  std::ofstream(dir.File("broken.bmp"), std::ios::binary) << "BM not really";
  If("IF Image is Visible", dir.File("missing.bmp"));
  RecordText("missing");
  If("ELSE");
  RecordText("else");
  If("END IF");
  If("IF Image is Visible", dir.File("broken.bmp"));
  RecordText("broken");
  If("END IF");
  RunAndWait();
  EXPECT_EQ(Recorded(), std::vector<std::string>{"else"});
  EXPECT_EQ(Step(0).last_run, LAST_RUN_FAIL_CONTINUE) << "false, not failed";
  EXPECT_NE(Log().find("ERROR while running [STEP 6] IF Image is Visible: Unable to read image '" +
                       dir.File("broken.bmp") + "': "),
            std::string::npos)
      << Log();
  EXPECT_EQ(Step(5).last_run, LAST_RUN_FAIL);
}

}  // namespace
}  // namespace zelo
