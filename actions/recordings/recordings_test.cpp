// Playback of a recorded event list over a fake clock and a device that
// records what it is given and when: the gaps at the three speeds, the
// catch-up after late wake-ups, the stop key, refused input, and lists that
// are empty or hold nonsense; then the "Recording" step inside a run.
#include "actions/recordings/play_recording.h"
#include "actions/recordings/recording_actions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "actions/action_handlers.h"
#include "actions/shared/input_player.h"
#include "engine/log_sink.h"
#include "engine/run_test_fixture.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {
namespace {

constexpr int kStopKey = 19;
constexpr int32_t kKeyDown = 0x100, kKeyUp = 0x101, kMove = 0x200, kLeftDown = 0x201;

RecordedEvent Event(int32_t message, int32_t param_l, int32_t param_h, int32_t time) {
  RecordedEvent e;
  e.message = message;
  e.param_l = param_l;
  e.param_h = param_h;
  e.time = time;
  return e;
}
RecordedEvent Key(int32_t message, int vk, int32_t time) { return Event(message, vk | (0x20 << 8), 1, time); }

class FakeDevice : public PlaybackDevice {
 public:
  struct Sent {
    uint32_t tick;
    PlayedInput input;
  };
  uint32_t Ticks() override { return ticks; }
  void Sleep(uint32_t ms) override {
    ticks += ms + late_by;
    slept += ms;
  }
  bool KeyDown(int vk) override { return vk == kStopKey && ticks - start >= stop_key_after; }
  bool Send(const PlayedInput* inputs, std::size_t count) override {
    if (refuse_after >= 0 && static_cast<int>(sent.size()) >= refuse_after) return false;
    for (std::size_t i = 0; i < count; ++i) sent.push_back({ticks, inputs[i]});
    return true;
  }
  // When each input went out, from the first.
  std::vector<uint32_t> Offsets() const {
    std::vector<uint32_t> v;
    for (const Sent& s : sent) v.push_back(s.tick - sent.front().tick);
    return v;
  }

  uint32_t ticks = 0xffffff00;  // the tick count wraps during the playback
  uint32_t start = ticks;
  uint32_t late_by = 0;  // each sleep lasts this much longer than asked
  uint32_t slept = 0;
  uint32_t stop_key_after = UINT32_MAX;  // milliseconds after the start
  int refuse_after = -1;
  std::vector<Sent> sent;
};

class PlaybackTest : public ::testing::Test {
 protected:
  PlaybackTest() {
    UseSettings(&settings);
    UseLogSink(&sink);
  }
  ~PlaybackTest() override {
    UseLogSink(nullptr);
    UseSettings(nullptr);
  }
  PlaybackEnd Play(EventList events, PlaybackSpeed speed = PlaybackSpeed::Normal, int ratio = 4) {
    RecordingPlayback playback(std::move(events), speed, ratio);
    return PlayRecording(playback, device, kStopKey, cancel);
  }

  MemorySettings settings;
  test::RecordingLogSink sink;
  FakeDevice device;
  std::atomic<bool> cancel{false};
};

// Recorded at ticks 1000, 1100, 1100, 1140, 1145 and 1645.
EventList FiveGaps() {
  return {Key(kKeyDown, 'A', 1000), Key(kKeyUp, 'A', 1100), Event(kMove, 10, 20, 1100),
          Key(kKeyDown, 'B', 1140), Key(kKeyUp, 'B', 1145), Event(kMove, 30, 40, 1645)};
}

TEST_F(PlaybackTest, GapsFollowTheRecordingScaledByTheSpeed) {
  struct Case {
    PlaybackSpeed speed;
    int ratio;
    std::vector<uint32_t> offsets;
  };
  // Slow multiplies by the ratio, fast divides by half of it, a ratio too
  // small to divide by keeps the gaps. A wait of 9 ms or less is not waited
  // for (the 5 ms gap; at fast speed 5 / 2 and 5 / 3).
  const Case cases[] = {
      {PlaybackSpeed::Normal, 4, {0, 100, 100, 140, 140, 640}},
      {PlaybackSpeed::Slow, 4, {0, 400, 400, 560, 580, 2580}},
      {PlaybackSpeed::Fast, 4, {0, 50, 50, 70, 70, 320}},
      {PlaybackSpeed::Slow, 3, {0, 300, 300, 420, 435, 1935}},
      {PlaybackSpeed::Fast, 6, {0, 33, 33, 46, 46, 212}},
      {PlaybackSpeed::Fast, 1, {0, 100, 100, 140, 140, 640}},
  };
  for (const Case& c : cases) {
    device = FakeDevice();
    EXPECT_EQ(Play(FiveGaps(), c.speed, c.ratio), PlaybackEnd::kFinished);
    EXPECT_EQ(device.Offsets(), c.offsets) << PlaybackSpeedName(c.speed) << " at ratio " << c.ratio;
  }
  EXPECT_EQ(test::Occurrences(sink.Output(), "Recording playback ended (6 events played)\r\n"), 6);
}

TEST_F(PlaybackTest, LateWakeUpsAreMadeUpOnTheNextGapInsteadOfAddingUp) {
  EventList events;
  for (int i = 0; i < 20; ++i) events.push_back(Event(kMove, i, i, 100 * i));
  device.late_by = 30;
  Play(events);
  const std::vector<uint32_t> at = device.Offsets();
  ASSERT_EQ(at.size(), 20u);
  for (std::size_t i = 0; i < at.size(); ++i) {
    EXPECT_GE(at[i] + 9, 100 * i) << "event " << i << " came early";
    EXPECT_LE(at[i], 100 * i + 60) << "event " << i << ": the lateness added up";
  }
  // The overshoot is taken off the recorded gap before the speed scales it.
  device = FakeDevice();
  device.late_by = 25;
  Play({Event(kMove, 0, 0, 0), Event(kMove, 1, 1, 100), Event(kMove, 2, 2, 200)}, PlaybackSpeed::Slow);
  EXPECT_EQ(device.Offsets(), (std::vector<uint32_t>{0, 425, 425 + (100 - 25) * 4}));
}

TEST_F(PlaybackTest, TheStopKeyEndsThePlaybackAndReleasesWhatItHeld) {
  // Shift and the left button go down and stay down when the stop key comes.
  EventList events = {Key(kKeyDown, 0x10, 0), Event(kLeftDown, 5, 6, 10), Key(kKeyDown, 'X', 100),
                      Key(kKeyUp, 'X', 110), Key(kKeyUp, 0x10, 5000)};
  device.stop_key_after = 150;
  EXPECT_EQ(Play(events), PlaybackEnd::kStopKey);
  ASSERT_EQ(device.sent.size(), 6u);
  EXPECT_EQ(device.sent[4].input.vk, 0x10);
  EXPECT_TRUE(device.sent[4].input.up);
  EXPECT_EQ(device.sent[5].input.button, PlayedInput::kLeft);
  EXPECT_TRUE(device.sent[5].input.up);
  EXPECT_FALSE(device.sent[5].input.move) << "a release at the end does not move the mouse";
  EXPECT_LT(device.sent[5].tick - device.sent[0].tick, 250u) << "the 4.9 s wait was cut short";
  EXPECT_EQ(sink.Output(),
            "Stop button pressed during recording playback\r\nRecording playback ended (4 events played)\r\n");

  // The first event plays even while the stop key is down.
  device = FakeDevice();
  device.stop_key_after = 0;
  EXPECT_EQ(Play(FiveGaps()), PlaybackEnd::kStopKey);
  EXPECT_EQ(device.sent.size(), 2u) << "A down, and its release";
}

TEST_F(PlaybackTest, RefusedInputAndCancellingEndThePlaybackWithNothingLeftDown) {
  device.refuse_after = 1;
  EXPECT_EQ(Play(FiveGaps()), PlaybackEnd::kRefused);
  EXPECT_NE(sink.Output().find("Recording playback input was blocked by the system"), std::string::npos);
  EXPECT_NE(sink.Output().find("Recording playback ended (1 events played)\r\n"), std::string::npos);

  // Cancelled from outside (the run ended): released at once, nothing logged.
  device = FakeDevice();
  const std::string before = sink.Output();
  cancel = true;
  EXPECT_EQ(Play(FiveGaps()), PlaybackEnd::kCancelled);
  EXPECT_TRUE(device.sent.empty());
  EXPECT_EQ(device.slept, 0u);
  EXPECT_EQ(sink.Output(), before);
}

TEST_F(PlaybackTest, EmptyListsAndNonsenseTimes) {
  EXPECT_EQ(Play({}), PlaybackEnd::kBadEvent);
  EXPECT_EQ(Play({Event(0, 1, 2, 3)}), PlaybackEnd::kBadEvent);
  EXPECT_EQ(test::Occurrences(sink.Output(), "Internal playback error [event #0]\r\nRecording playback ended (0 events played)\r\n"), 2);
  // An empty event after the first ends the list as its end does.
  EXPECT_EQ(Play({Event(kMove, 1, 1, 0), Event(kMove, 2, 2, 10), Event(0, 0, 0, 20), Event(kMove, 3, 3, 30)}),
            PlaybackEnd::kFinished);
  EXPECT_NE(sink.Output().find("Recording playback ended (2 events played)\r\n"), std::string::npos);

  // Times that run backwards or jump across the whole range: no wait below
  // zero, nothing that overflows, and a huge wait still ends with the stop key.
  device = FakeDevice();
  EXPECT_EQ(Play({Event(kMove, 0, 0, INT_MAX), Event(kMove, 1, 1, INT_MIN), Event(kMove, 2, 2, INT_MIN)},
                 PlaybackSpeed::Slow, INT_MAX),
            PlaybackEnd::kFinished);
  EXPECT_EQ(device.Offsets(), (std::vector<uint32_t>{0, 0, 0}));
  // While it waits, the status bar shows the events played every 3 s.
  device = FakeDevice();
  device.stop_key_after = 6500;
  EXPECT_EQ(Play({Event(kMove, 0, 0, INT_MIN), Event(kMove, 1, 1, INT_MAX)}, PlaybackSpeed::Slow, INT_MAX),
            PlaybackEnd::kStopKey);
  EXPECT_EQ(sink.Status(), (std::vector<std::string>{"0:1", "0:1"}));
}

// The Wine tests play keys, moves, a click and the wheel end to end; here
// the journal's layout and the messages that have no input of their own.
TEST(PlayedInput, TheJournalLayoutAndMessagesWithoutAnInputOfTheirOwn) {
  PlayedInput in;
  // Right Ctrl down as the journal records it: scan code 0x1d, extended.
  ASSERT_TRUE(PlayedInputOf(Event(0x100, 0x1d11, 0x8001, 0), &in));
  EXPECT_EQ(in.kind, PlayedInput::kKey);
  EXPECT_EQ(in.vk, 0x11);
  EXPECT_EQ(in.scan, 0x1d);
  EXPECT_TRUE(in.extended);
  EXPECT_FALSE(in.up);
  ASSERT_TRUE(PlayedInputOf(Event(0x105, 0x3812, 1, 0), &in));  // Alt up as a system key
  EXPECT_TRUE(in.up && !in.extended);
  // A double click is a second press; a side button only moves the mouse.
  ASSERT_TRUE(PlayedInputOf(Event(0x206, -300, 1024, 0), &in));
  EXPECT_TRUE(in.button == PlayedInput::kRight && !in.up && in.move && in.x == -300 && in.y == 1024);
  ASSERT_TRUE(PlayedInputOf(Event(0x20B, 5, 6, 0), &in));
  EXPECT_TRUE(in.button == PlayedInput::kNoButton && in.move && in.wheel == 0);
  // A character message, a key without a virtual key, anything else: nothing.
  EXPECT_FALSE(PlayedInputOf(Event(0x102, 'a', 0, 0), &in));
  EXPECT_FALSE(PlayedInputOf(Event(0x100, 0x1e00, 0, 0), &in));
  EXPECT_FALSE(PlayedInputOf(Event(0x0f, 0, 0, 0), &in));
}

TEST(AbsoluteCoordinate, EveryPixelComesBackAsItselfOverTheWholeDesktop) {
  const int32_t screens[][2] = {{0, 1}, {0, 640}, {0, 1280}, {-1280, 2560}, {0, 3840}, {-100, 65536}};
  for (const auto& s : screens) {
    const int32_t origin = s[0], extent = s[1];
    for (int32_t pixel = origin; pixel < origin + extent; ++pixel) {
      const int32_t c = AbsoluteCoordinate(pixel, origin, extent);
      ASSERT_GE(c, 0);
      ASSERT_LE(c, 65535);
      ASSERT_EQ(origin + static_cast<int64_t>(c) * extent / 65536, pixel) << "extent " << extent;
    }
    EXPECT_EQ(AbsoluteCoordinate(origin - 50, origin, extent), 0);
    EXPECT_EQ(AbsoluteCoordinate(origin + extent + 50, origin, extent), AbsoluteCoordinate(origin + extent - 1, origin, extent));
  }
  EXPECT_EQ(AbsoluteCoordinate(10, 0, 0), 0);
}

// The handler inside a run: its own player and the fake device.
class RecordingStepTest : public test::HandlerRunTest {
 protected:
  RecordingStepTest() {
    services.expand = [](std::string_view field, int, int) { return std::string(field); };
    services.save = &Save;
    services.player = &player;
    services.playback_device = &device;
    InstallActionHandlers(engine.handlers(), services);
  }
  StepRecord& AddRecording(std::string_view count, std::string_view list, std::string_view options = "") {
    StepRecord& step = AddStep("Recording", CAT_RECORDINGS);
    step.value(1) = count;
    step.value(2) = list;
    step.options = options;
    return step;
  }

  FakeDevice device;
  InputPlayer player;
  ActionServices services;
};

TEST_F(RecordingStepTest, TheNextStepWaitsForThePlaybackToEnd) {
  ws.recordings.Add({Event(kMove, 1, 1, 0)});
  ws.recordings.Add({Key(kKeyDown, 'Q', 0), Key(kKeyUp, 'Q', 30), Event(kMove, 5, 5, 60)});
  AddRecording("3", "1", "Slow");
  AddStep("Comment");
  RunAndWait();
  const std::string log = Log();
  const std::size_t speed = log.find("\t3 events at slow speed\r\n");
  const std::size_t ended = log.find("Recording playback ended (3 events played)\r\n");
  const std::size_t next = log.find("[STEP 2]");
  ASSERT_NE(speed, std::string::npos) << log;
  ASSERT_NE(ended, std::string::npos) << log;
  EXPECT_LT(speed, ended);
  EXPECT_LT(ended, next) << log;
  EXPECT_EQ(device.Offsets(), (std::vector<uint32_t>{0, 120, 240}));
  EXPECT_EQ(device.sent[0].input.vk, 'Q');
  EXPECT_TRUE(errors().empty());
  EXPECT_FALSE(player.Busy());
}

TEST_F(RecordingStepTest, TheStopKeyEndsThePlaybackAndThenTheRun) {
  ws.recordings.Add({Key(kKeyDown, 'Q', 0), Key(kKeyUp, 'Q', 5000)});
  AddRecording("2", "0");
  AddStep("Comment");
  device.stop_key_after = 100;
  RunAndWait();
  const std::string log = Log();
  EXPECT_NE(log.find("Stop button pressed during recording playback\r\nRecording playback ended (1 events played)\r\n"
                     "Stop request: aborting run at [STEP 1]"),
            std::string::npos)
      << log;
  EXPECT_EQ(log.find("[STEP 2]"), std::string::npos) << log;
  ASSERT_EQ(device.sent.size(), 2u);
  EXPECT_TRUE(device.sent[1].input.up) << "Q released at the end";
}

TEST_F(RecordingStepTest, InputTheSystemRefusesFailsTheStepOnceThePlaybackHasEnded) {
  ws.recordings.Add({Key(kKeyDown, 'Q', 0), Key(kKeyUp, 'Q', 10), Event(kMove, 5, 5, 20)});
  AddRecording("3", "0");
  AddStep("Comment");
  device.refuse_after = 1;
  RunAndWait();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Keystrokes were blocked by the system (the focused program may run "
                                                "with higher rights, or the desktop is locked)"}));
  EXPECT_NE(Step(0).last_run, LAST_RUN_PASS);
  EXPECT_FALSE(engine.state().playback_refused.load()) << "taken by the step it failed";
}

TEST_F(RecordingStepTest, NothingToPlayNoSuchListNoInputStreamOrAPlaybackGoingOn) {
  ws.recordings.Add({Event(kMove, 1, 1, 0)});
  AddRecording("0", "0");  // no events: passes without playing
  AddRecording("1", "7");
  RunAndWait();
  EXPECT_TRUE(device.sent.empty());
  EXPECT_EQ(errors(), (std::vector<std::string>{"Recording 7 is not loaded (the script holds no such list of events)"}));

  errors().clear();
  services.playback_device = nullptr;
  ws.slots[0].steps.clear();
  ws.slots[0].step_count = 0;
  AddRecording("1", "0");
  RunAndWait();
  services.playback_device = &device;
  // A playback that only ends when asked stands for one still going on.
  ASSERT_TRUE(player.Start([](const std::atomic<bool>& cancel) {
    while (!cancel.load()) std::this_thread::yield();
  }));
  RunAndWait();
  player.Stop();
  EXPECT_EQ(errors(), (std::vector<std::string>{"Unable to start Windows hook procedure",
                                                "Another recording is currently playing"}));
  EXPECT_TRUE(device.sent.empty());
  EXPECT_FALSE(engine.state().journal_active.load());
}

}  // namespace
}  // namespace zelo
