// The System category: which branch an action takes, "Comment" passing
// without a trace, and branches this build lacks failing with their reason.
#include "actions/system/system_actions.h"

#include "actions/flow/flow_actions.h"
#include "actions/conditions/if_actions.h"

#include <gtest/gtest.h>

#include "actions/action_handlers.h"
#include "actions/shared/held_input.h"
#include "engine/run_test_fixture.h"
#include "model/catalogue.h"

namespace zelo {
namespace {

TEST(SystemActionWords, EveryCatalogueActionButCommentHasItsBranch) {
  std::size_t count = 0;
  const CatalogueEntry* entries = CatalogueEntries(&count);
  int system_actions = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (entries[i].category != CAT_SYSTEM) continue;
    ++system_actions;
    const bool comment = std::string_view(entries[i].name) == "Comment";
    EXPECT_EQ(ClassifySystemAction(entries[i].name) == SystemAction::Other, comment) << entries[i].name;
  }
  EXPECT_EQ(system_actions, 22);
}

TEST(SystemActionWords, EarlierWordsWinAndCaseDoesNotMatter) {
  EXPECT_EQ(ClassifySystemAction("Set Environment Variable"), SystemAction::Variable);
  EXPECT_EQ(ClassifySystemAction("increment variable"), SystemAction::Variable);
  EXPECT_EQ(ClassifySystemAction("Set Step Delay"), SystemAction::StepDelay);
  EXPECT_EQ(ClassifySystemAction("Screen Image Capture"), SystemAction::Capture);
  EXPECT_EQ(ClassifySystemAction("Enable Screen Saver"), SystemAction::ScreenSaver);
  EXPECT_EQ(ClassifySystemAction("Copy Registry"), SystemAction::Registry);
  EXPECT_EQ(ClassifySystemAction("Restart"), SystemAction::EndSession);
  EXPECT_EQ(ClassifySystemAction("Comment"), SystemAction::Other);
  EXPECT_EQ(ClassifySystemAction(""), SystemAction::Other);
}

class SystemStepTest : public test::RunTest {
 protected:
  SystemStepTest() { InstallActionHandlers(engine.handlers()); }
};

TEST_F(SystemStepTest, CommentStepsPassAndTheRunCompletes) {
  AddStep("Comment").comment.Assign("first");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_EQ(Step(1).last_run, LAST_RUN_PASS);
  EXPECT_NE(Log().find("[STEP 1]: Comment \"first\"\r\n[STEP 2]: Comment \r\nRun Completed at "), std::string::npos);
  EXPECT_TRUE(messages.All().empty());
}

TEST_F(SystemStepTest, ABranchThisBuildLacksFailsWithItsReason) {
  AddStep("Comment");
  AddStep("Write to Log");
  AddStep("Comment");
  RunAndWait();
  EXPECT_EQ(Step(1).last_run, LAST_RUN_FAIL);
  EXPECT_EQ(Step(2).last_run, LAST_RUN_NOT_RUN);
  EXPECT_NE(Log().find("\tERROR while running [STEP 2] Write to Log: The \"Write to Log\" action is not available "
                       "in this version\r\n"),
            std::string::npos);
  EXPECT_NE(Log().find("RUN FAILED\r\n"), std::string::npos);
}

TEST_F(SystemStepTest, CategoriesWithoutHandlerStayWithoutOne) {
  HandlerTable table;
  InstallActionHandlers(table);
  EXPECT_EQ(table.Get(CAT_SYSTEM), &RunSystemStep);
  EXPECT_EQ(table.Get(CAT_FLOW), &RunFlowStep);
  EXPECT_EQ(table.Get(CAT_IF), &RunIfStep);
  for (int c = kFirstActionCategory; c <= kLastActionCategory; ++c)
    EXPECT_EQ(table.Get(c) != nullptr, c == CAT_SYSTEM || c == CAT_FILES || c == CAT_FLOW || c == CAT_IF ||
                                           c == CAT_FUNCTIONS || c == CAT_RUN_PROGRAM || c == CAT_WINDOWS ||
                                           c == CAT_MENU || c == CAT_MOUSE)
        << c;
}

TEST(HeldInput, TakeReturnsWhatIsHeldOnce) {
  TakeHeldInput();
  NoteHeld(HELD_CTRL | HELD_LEFT_BUTTON);
  NoteHeld(HELD_SHIFT);
  NoteReleased(HELD_CTRL);
  EXPECT_EQ(HeldInput(), HELD_SHIFT | HELD_LEFT_BUTTON);
  EXPECT_EQ(TakeHeldInput(), HELD_SHIFT | HELD_LEFT_BUTTON);
  EXPECT_EQ(TakeHeldInput(), 0u);
}

TEST(HeldInput, ARunStartForgetsTheModifiersButNotTheButton) {
  TakeHeldInput();
  NoteHeld(HELD_CTRL | HELD_ALT | HELD_LEFT_BUTTON);
  ForgetHeldModifiers();
  EXPECT_EQ(TakeHeldInput(), static_cast<unsigned>(HELD_LEFT_BUTTON));
}

}  // namespace
}  // namespace zelo
