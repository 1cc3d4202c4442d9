// Closing a window: the escalation for a window that ignores the request, the
// end of a hung program, and a program that asks a question while closing,
// which keeps its work and its question.
#include "actions/windows/close_window.h"

#include <gtest/gtest.h>

#include "actions/windows/testing/fake_desktop.h"

namespace zelo {
namespace {

using test::FakeWindowPlatform;
using test::FakeWindowTree;
using OnClose = FakeWindowPlatform::OnClose;

class CloseTest : public ::testing::Test {
 protected:
  CloseTest() : platform(desk) { desk.Top(7, "Editor"); }
  FakeWindowTree desk;
  FakeWindowPlatform platform;
};

TEST_F(CloseTest, AWindowThatClosesNeedsOnlyTheRequest) {
  EXPECT_TRUE(CloseWindowHard(platform, 7, 2000));
  EXPECT_EQ(platform.calls, std::vector<std::string>{"send close 7 2000"});
}

TEST_F(CloseTest, AShortTimeoutIsRaisedTo250) {
  CloseWindowHard(platform, 7, 0);
  EXPECT_EQ(platform.calls, std::vector<std::string>{"send close 7 250"});
  EXPECT_EQ(CloseTimeoutMs(2.5), 2000u) << "whole seconds";
  EXPECT_EQ(CloseTimeoutMs(0.5), 0u);
  EXPECT_EQ(CloseTimeoutMs(-3), 0u);
}

TEST_F(CloseTest, AnIgnoredRequestIsFollowedByPostDestroyAndAltF4ThenFails) {
  platform.on_close[7] = OnClose::Ignore;
  EXPECT_FALSE(CloseWindowHard(platform, 7, 250));
  EXPECT_EQ(platform.calls,
            (std::vector<std::string>{"send close 7 250", "post close 7", "destroy 7", "alt+f4 7"}));
  EXPECT_EQ(platform.slept_ms, 1000u);
}

TEST_F(CloseTest, AHungProgramIsEnded) {
  platform.on_close[7] = OnClose::Hang;
  EXPECT_TRUE(CloseWindowHard(platform, 7, 250));
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"send close 7 250", "end process 7"}));
}

TEST_F(CloseTest, AProgramAskingAQuestionIsNeverEndedNorAskedAgain) {
  platform.on_close[7] = OnClose::AskQuestion;
  EXPECT_FALSE(CloseWindowHard(platform, 7, 250));
  EXPECT_EQ(platform.calls, std::vector<std::string>{"send close 7 250"}) << "its work stays with the user";
  platform.calls.clear();
  EXPECT_FALSE(CloseWindowHard(platform, 7, 250)) << "the step tried again";
  EXPECT_TRUE(platform.calls.empty()) << "with the question open, nothing more is sent";
  EXPECT_TRUE(desk.Exists(7));
}

TEST_F(CloseTest, AWindowAlreadyGoneIsClosed) {
  desk.Remove(7);
  EXPECT_TRUE(CloseWindowHard(platform, 7, 250));
  EXPECT_TRUE(platform.calls.empty());
}

}  // namespace
}  // namespace zelo
