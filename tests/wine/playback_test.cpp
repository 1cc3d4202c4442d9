// "Recording" steps of the real Zelomat.exe played into a test window that
// records the input it receives: the events arrive as recorded at the three
// speeds, the stop key ends a playback, and the end of a run, however it
// comes, ends the playback and leaves no key down.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/harness_win.h"
#include "tests/wine/test_programs_win.h"
#include "tests/wine/windows_win.h"

namespace zelo::test {
namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// A recorded event as the journal keeps it.
struct Recorded {
  int message;
  int param_l;
  int param_h;
  int time;
};
Recorded RecordedKey(bool down, int vk, int scan, int time) { return {down ? WM_KEYDOWN : WM_KEYUP, vk | (scan << 8), 1, time}; }
Recorded RecordedMouse(int message, int x, int y, int time) { return {message, x, y, time}; }

// A "Recording" step with its events, as the script file keeps them.
std::string RecordingStep(const std::string& options, const std::vector<Recorded>& events) {
  std::string xml = "<step>\r\n\t<action>Recording</action>\r\n\t<options>" + options + "</options>\r\n";
  xml += "\t<value1>" + std::to_string(events.size()) + "</value1>\r\n\t<value2>0</value2>\r\n\t<recording>\r\n";
  char line[80];
  for (const Recorded& e : events) {
    std::snprintf(line, sizeof line, "\t[%04d-%04d-%04d-%08d]\t\r\n", e.message, e.param_h, e.param_l, e.time);
    xml += line;
  }
  return xml + "\t</recording>\r\n</step>\r\n";
}

// One line of the input recorder's file.
struct Received {
  std::string what;  // "key down", "key up", "move", "button left down", "wheel"...
  int a = 0, b = 0, c = 0;
  long long ms = 0;
};

class PlaybackTest : public ::testing::Test {
 protected:
  PlaybackTest() : stop_key_("StopKey", VK_PAUSE), slow_ratio_("RecordingSlowRatio", 4), ends_("input_recorder.exe") {}

  // Starts the recorder and waits until its window has the focus.
  bool StartRecorder() {
    recorder_ = Process::Start(Wide(TestProgramPath("input_recorder.exe")), Wide(InputFile()));
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kGuiWaitMs) {
      std::string text;
      if (ReadTextFile(InputFile(), &text) && text.rfind("ready", 0) == 0) {
        window_ = FindWindowW(L"ZeloTestInputRecorder", nullptr);
        if (window_) SetForegroundWindow(window_);
        return window_ != nullptr;
      }
      Sleep(20);
    }
    return false;
  }
  std::string InputFile() const { return dir_.File("input.txt"); }
  std::string LogPath() const { return dir_.File("log.txt"); }
  std::string WriteScript(const std::string& steps) {
    const std::string path = dir_.File("playback.zxm");
    EXPECT_TRUE(WriteTextFile(path, ScriptText(steps)));
    return path;
  }

  std::vector<Received> Input() const {
    std::vector<Received> lines;
    std::string text;
    ReadTextFile(InputFile(), &text);
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find("\r\n", at);
      if (end == std::string::npos) break;
      const std::string line = text.substr(at, end - at);
      at = end + 2;
      Received r;
      char w1[16] = {}, w2[16] = {}, w3[16] = {};
      if (std::sscanf(line.c_str(), "key %15s %d %d %d %lld", w1, &r.a, &r.b, &r.c, &r.ms) == 5) {
        r.what = std::string("key ") + w1;
      } else if (std::sscanf(line.c_str(), "move %d %d %lld", &r.a, &r.b, &r.ms) == 3) {
        r.what = "move";
      } else if (std::sscanf(line.c_str(), "button %15s %15s %d %d %lld", w2, w3, &r.a, &r.b, &r.ms) == 5) {
        r.what = std::string("button ") + w2 + " " + w3;
      } else if (std::sscanf(line.c_str(), "wheel %d %d %d %lld", &r.c, &r.a, &r.b, &r.ms) == 4) {
        r.what = "wheel";
      } else {
        continue;
      }
      lines.push_back(r);
    }
    return lines;
  }
  // Polls the recorder's file until a line with these words and first
  // numbers has come.
  bool WaitForInput(const std::string& what, int a, DWORD ms) const {
    const DWORD start = GetTickCount();
    do {
      for (const Received& r : Input())
        if (r.what == what && r.a == a) return true;
      Sleep(20);
    } while (GetTickCount() - start < ms);
    return false;
  }

  ScratchFolder dir_;
  ScopedZelomatNumber stop_key_, slow_ratio_;
  EndNewProcesses ends_;
  Process recorder_;
  HWND window_ = nullptr;
};

// One playback of each speed, told apart by their key: F, N and S, each
// pressed at the start and at the end, a mouse click and a wheel notch
// between. Recorded 630 ms from the first event to the last.
std::vector<Recorded> SpeedEvents(int vk, int scan, int x) {
  return {RecordedKey(true, vk, scan, 5000),       RecordedKey(false, vk, scan, 5030),
          RecordedMouse(WM_MOUSEMOVE, x, 250, 5230), RecordedMouse(WM_LBUTTONDOWN, x, 250, 5250),
          RecordedMouse(WM_LBUTTONUP, x, 250, 5270), RecordedMouse(WM_MOUSEWHEEL, x, 250, 5400),
          RecordedKey(true, vk, scan, 5600),       RecordedKey(false, vk, scan, 5630)};
}

TEST_F(PlaybackTest, EventsArriveInOrderWithTheirGapsScaledByTheSpeed) {
  ASSERT_TRUE(StartRecorder());
  const struct {
    const char* options;
    int vk, scan, x;
    long long least_ms, most_ms;  // the 630 ms as played, with room for a busy machine
  } speeds[] = {
      {"Fast", 'F', 0x21, 200, 300, 560},
      {"Normal", 'N', 0x31, 300, 620, 1100},
      // A late event's lateness is taken off the next recorded gap before
      // the gap is multiplied: slow playback comes out a little short.
      {"Slow", 'S', 0x1f, 400, 2200, 3600},
  };
  std::string steps;
  for (const auto& s : speeds) steps += RecordingStep(s.options, SpeedEvents(s.vk, s.scan, s.x));
  const RunResult run = RunProgram("/r " + Quoted(WriteScript(steps)), LogPath(), 30000);
  ASSERT_TRUE(run.finished);
  EXPECT_NE(run.log.find("\t8 events at fast speed\r\n"), std::string::npos) << run.log;
  EXPECT_NE(run.log.find("\t8 events at slow speed\r\n"), std::string::npos) << run.log;
  EXPECT_EQ(Occurrences(run.log, "Recording playback ended (8 events played)\r\n"), 3) << run.log;
  EXPECT_NE(run.log.find("Run Completed"), std::string::npos) << run.log;

  const std::vector<Received> input = Input();
  for (const auto& s : speeds) {
    // This playback's lines: from its first key to its last.
    std::vector<Received> mine;
    bool in = false;
    int keys = 0;
    for (const Received& r : input) {
      const bool own_key = r.what.rfind("key", 0) == 0 && r.a == s.vk;
      if (own_key) {
        in = true;
        ++keys;
      }
      if (in && (own_key || r.what != "move" || r.a == s.x)) mine.push_back(r);
      if (keys == 4) break;
    }
    ASSERT_EQ(mine.size(), 8u) << s.options;
    const char* expected[] = {"key down", "key up", "move", "button left down", "button left up", "wheel", "key down",
                              "key up"};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(mine[i].what, expected[i]) << s.options << " event " << i;
    EXPECT_EQ(mine[0].b, s.scan) << "the recorded scan code";
    for (size_t i = 2; i < 6; ++i) {
      EXPECT_EQ(mine[i].a, s.x) << s.options << " event " << i << ": the recorded point";
      EXPECT_EQ(mine[i].b, 250) << s.options << " event " << i;
    }
    EXPECT_EQ(mine[5].c, -120) << "a recorded wheel message turns one notch towards the user";
    const long long span = mine[7].ms - mine[0].ms;
    std::printf("%s playback: %lld ms from the first event to the last (recorded: 630 ms)\n", s.options, span);
    EXPECT_GE(span, s.least_ms) << s.options;
    EXPECT_LE(span, s.most_ms) << s.options;
  }
}

// Shift goes down first and is released only at the recording's end, 12 s
// in: longer than the closing of a window waits for its run.
std::vector<Recorded> HeldShiftEvents() {
  return {RecordedKey(true, VK_SHIFT, 0x2a, 0), RecordedKey(true, 'X', 0x2d, 50), RecordedKey(false, 'X', 0x2d, 80),
          RecordedMouse(WM_MOUSEMOVE, 220, 220, 100), RecordedKey(true, 'Y', 0x15, 12000), RecordedKey(false, 'Y', 0x15, 12020),
          RecordedKey(false, VK_SHIFT, 0x2a, 12050)};
}

bool ShiftDown() { return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0; }

TEST_F(PlaybackTest, TheStopKeyEndsThePlaybackAndTheRunAndReleasesShift) {
  ASSERT_TRUE(StartRecorder());
  const std::string script = WriteScript(RecordingStep("Normal", HeldShiftEvents()) + StepXml("Comment", "after"));
  Process p = StartProgram("/r " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  ASSERT_TRUE(WaitForInput("move", 220, 20000)) << "the playback did not start";
  EXPECT_TRUE(ShiftDown());
  // A short press, which the playback sees and the run must not miss.
  keybd_event(VK_PAUSE, 0, 0, 0);
  keybd_event(VK_PAUSE, 0, KEYEVENTF_KEYUP, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(4000, &code)) << "the playback went on";

  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_NE(log.find("Stop button pressed during recording playback\r\nRecording playback ended (4 events played)\r\n"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("Stop request: aborting run at [STEP 1]"), std::string::npos) << log;
  EXPECT_EQ(log.find("[STEP 2]"), std::string::npos) << log;
  EXPECT_FALSE(WaitForInput("key down", 'Y', 0)) << "an event after the stop was played";
  EXPECT_TRUE(WaitForInput("key up", VK_SHIFT, 2000)) << "Shift was left down";
  EXPECT_FALSE(ShiftDown());
}

// The left button goes down and is released only at the recording's end.
std::vector<Recorded> HeldButtonEvents() {
  return {RecordedMouse(WM_MOUSEMOVE, 220, 220, 0), RecordedMouse(WM_LBUTTONDOWN, 220, 220, 50),
          RecordedMouse(WM_MOUSEMOVE, 230, 230, 100), RecordedMouse(WM_MOUSEMOVE, 240, 240, 12000),
          RecordedMouse(WM_LBUTTONUP, 240, 240, 12050)};
}

bool LeftButtonDown() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }

// The program's window shows and takes the focus; under Wine a Shift that
// the playback holds then reads as up already (seen here: the keyboard's
// state follows the X server's, where no key is down), so a held button
// stands for the held input.
TEST_F(PlaybackTest, ClosingTheWindowEndsTheRunAndItsPlaybackWithTheButtonReleased) {
  ASSERT_TRUE(StartRecorder());
  const std::string script = WriteScript(RecordingStep("Normal", HeldButtonEvents()));
  Process p = StartProgram("/v " + Quoted(script), LogPath());
  ASSERT_TRUE(p.valid());
  ASSERT_TRUE(WaitForInput("move", 230, 20000)) << "the playback did not start";
  EXPECT_TRUE(LeftButtonDown());
  HWND main = WaitForProcessWindow(p.id(), L"Zelomat", 5000);
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(p.Wait(15000, &code)) << "the program stayed";
  EXPECT_TRUE(WaitForInput("button left up", 230, 2000)) << "the button was left down";
  EXPECT_FALSE(LeftButtonDown());
  EXPECT_FALSE(WaitForInput("move", 240, 0)) << "an event after the end was played";
  std::string log;
  ReadTextFile(LogPath(), &log);
  EXPECT_EQ(log.find("Recording playback ended"), std::string::npos) << "a playback ended by the run says nothing";
}

}  // namespace
}  // namespace zelo::test
