#include "engine/block_steps.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "engine/loop_state.h"

namespace zelo {
namespace {

// A slot of steps named by their actions; a leading "~" marks a skipped step.
ScriptSlot Steps(std::initializer_list<const char*> actions) {
  ScriptSlot s;
  for (const char* a : actions) {
    StepRecord step;
    std::string_view name = a;
    if (name.front() == '~') {
      step.status = STEP_SKIP;
      name.remove_prefix(1);
    }
    step.action = name;
    s.steps.push_back(step);
  }
  s.step_count = static_cast<int32_t>(s.steps.size());
  return s;
}

TEST(BlockNames, AreMatchedWithoutRegardToCase) {
  EXPECT_TRUE(IsLoopStartAction("Start 'For' Loop"));
  EXPECT_TRUE(IsLoopStartAction("start dataset loop"));
  EXPECT_FALSE(IsLoopStartAction("Start Program"));
  EXPECT_TRUE(IsLoopEndAction("next loop"));
  EXPECT_FALSE(IsLoopEndAction("NEXT LOOPS"));
  EXPECT_TRUE(IsIfAction("if Expression"));
  EXPECT_FALSE(IsIfAction("IFExpression"));
  EXPECT_FALSE(IsIfAction("END IF"));
  EXPECT_TRUE(IsElseAction("else"));
  EXPECT_TRUE(IsEndIfAction("End If"));
}

TEST(FindLoopEnd, MatchesNestedLoopsAndPassesOverSkippedSteps) {
  const ScriptSlot s = Steps({"Start 'For' Loop", "Start 'While' Loop", "NEXT LOOP", "~NEXT LOOP", "Comment",
                              "NEXT LOOP"});
  EXPECT_EQ(FindLoopEnd(s, 0), 5);
  EXPECT_EQ(FindLoopEnd(s, 1), 2);
  // From a body step: the end of the loop around it.
  EXPECT_EQ(FindLoopEnd(s, 4), 5);
}

TEST(FindLoopEnd, WithoutAnEndGivesTheNextStep) {
  const ScriptSlot s = Steps({"Comment", "Start 'For' Loop", "Comment"});
  EXPECT_EQ(FindLoopEnd(s, 1), 2);
}

TEST(FindLoopEnd, ASkippedStartScansFromItself) {
  const ScriptSlot s = Steps({"~Start 'For' Loop", "Comment", "NEXT LOOP"});
  EXPECT_EQ(FindLoopEnd(s, 0), 2);
}

TEST(FindLoopStart, MatchesNestedLoopsBackwards) {
  const ScriptSlot s = Steps({"Comment", "Start 'For' Loop", "Start Files Loop", "NEXT LOOP", "~Start 'For' Loop",
                              "NEXT LOOP"});
  EXPECT_EQ(FindLoopStart(s, 5), 1);
  EXPECT_EQ(FindLoopStart(s, 3), 2);
}

TEST(FindLoopStart, WithoutAStartGivesTheFirstStep) {
  const ScriptSlot s = Steps({"Comment", "Comment", "NEXT LOOP"});
  EXPECT_EQ(FindLoopStart(s, 2), 0);
  EXPECT_EQ(FindLoopStart(s, 99), 0);
}

TEST(FindBranchEnd, SkipsNestedBlocksAndTheirElse) {
  const ScriptSlot s = Steps({"IF Expression", "IF File Exists", "ELSE", "END IF", "ELSE", "Comment", "END IF"});
  EXPECT_EQ(FindBranchEnd(s, 0), 4);
  EXPECT_EQ(FindBranchEnd(s, 1), 2);
  EXPECT_EQ(FindBranchEnd(s, 4), 6);
}

TEST(FindBranchEnd, SkippedStepsDoNotCount) {
  const ScriptSlot s = Steps({"IF Expression", "~END IF", "~IF Expression", "END IF"});
  EXPECT_EQ(FindBranchEnd(s, 0), 3);
  EXPECT_EQ(FindBranchEnd(Steps({"IF Expression", "Comment"}), 0), -1);
}

TEST(FindBranchEnd, StaysInsideAStepArrayLongerThanItsStepCount) {
  ScriptSlot s = Steps({"IF Expression", "Comment", "END IF"});
  s.step_count = 2;  // the third record is spare capacity
  EXPECT_EQ(FindBranchEnd(s, 0), -1);
}

TEST(LoopStack, PushesAndPopsWithTheTopAtEntryZero) {
  LoopStack stack;
  stack.Push(3, 0);
  stack.Push(7, 0);
  stack.set_top_counter(2);
  EXPECT_EQ(stack.top_start(), 7);
  const LoopStack::Entry top = stack.Pop();
  EXPECT_EQ(top.start, 7);
  EXPECT_EQ(top.counter, 2);
  EXPECT_EQ(stack.top_start(), 3);
  stack.Pop();
  EXPECT_EQ(stack.Pop().start, 0) << "an empty stack pops empty entries";
}

TEST(LoopStack, TheSeventeenthPushLosesTheOldestEntry) {
  LoopStack stack;
  for (int i = 1; i <= kLoopStackDepth + 1; ++i) stack.Push(i, i * 10);
  EXPECT_EQ(stack.start(kLoopStackDepth - 1), 2);
  for (int i = kLoopStackDepth + 1; i >= 2; --i) EXPECT_EQ(stack.Pop().start, i);
  EXPECT_EQ(stack.top_start(), 0);
}

TEST(LoopState, AFullRunForgetsTheSlotsStartsAndTheWindowPosition) {
  LoopStackOf(2).Push(5, 1);
  LoopStackOf(3).Push(6, 1);
  ProgramLoopState().window_position = 42;
  ResetLoopStateForFullRun(2);
  EXPECT_EQ(LoopStackOf(2).top_start(), 0);
  EXPECT_EQ(LoopStackOf(3).top_start(), 6) << "other slots keep theirs";
  EXPECT_EQ(ProgramLoopState().window_position, 0u);
  ResetLoopStateForFullRun(3);
}

}  // namespace
}  // namespace zelo
