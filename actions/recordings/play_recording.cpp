#include "actions/recordings/play_recording.h"

#include <algorithm>
#include <vector>

#include "engine/run_log.h"

namespace zelo {

namespace {

constexpr char kStopButton[] = "Stop button pressed during recording playback\r\n";
constexpr char kBadEvent[] = "Internal playback error [event #%d]\r\n";
constexpr char kRefused[] =
    "Recording playback input was blocked by the system (the focused program may run with higher rights, or the "
    "desktop is locked)\r\n";
constexpr char kEnded[] = "Recording playback ended (%d events played)\r\n";

// Long waits are slept in slices, so that the stop key and the end of the
// run are seen while the playback waits for an event.
constexpr uint32_t kWaitSliceMs = 50;
constexpr uint32_t kStatusEveryMs = 3000;
// Lets the last input reach its window before the run goes on.
constexpr uint32_t kSettleMs = 300;

}  // namespace

PlaybackEnd PlayRecording(RecordingPlayback& playback, PlaybackDevice& device, int stop_key,
                          const std::atomic<bool>& cancel) {
  HeldByPlayback held;
  uint32_t status_tick = device.Ticks();
  PlaybackEnd end = PlaybackEnd::kFinished;
  for (;;) {
    if (cancel.load()) {
      end = PlaybackEnd::kCancelled;
      break;
    }
    const uint32_t now = device.Ticks();
    if (now - status_tick >= kStatusEveryMs) {
      status_tick = now;
      ShowStatus(0, "%d", playback.played());
    }
    const PlaybackTurn turn = playback.Next(now, device.KeyDown(stop_key));
    if (turn.kind == PlaybackTurn::kStopKey) {
      WriteLog("%s", kStopButton);
      end = PlaybackEnd::kStopKey;
      break;
    }
    if (turn.kind == PlaybackTurn::kBadEvent) {
      WriteLog(kBadEvent, playback.played());
      end = PlaybackEnd::kBadEvent;
      break;
    }
    if (turn.kind == PlaybackTurn::kWait) {
      device.Sleep(std::min(turn.wait_ms, kWaitSliceMs));
      continue;
    }
    PlayedInput input;
    if (PlayedInputOf(*turn.event, &input)) {
      if (!device.Send(&input, 1)) {
        WriteLog("%s", kRefused);
        end = PlaybackEnd::kRefused;
        break;
      }
      held.Note(input);
    }
    if (!playback.Played()) {
      end = PlaybackEnd::kFinished;
      break;
    }
  }
  const std::vector<PlayedInput> releases = held.TakeReleases();
  if (!releases.empty()) device.Send(releases.data(), releases.size());
  if (end != PlaybackEnd::kCancelled) {
    device.Sleep(kSettleMs);
    WriteLog(kEnded, playback.played());
  }
  return end;
}

}  // namespace zelo
