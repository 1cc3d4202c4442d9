#include "actions/recordings/recording_actions.h"

#include <memory>
#include <string>

#include "actions/recordings/play_recording.h"
#include "actions/shared/action_services.h"
#include "actions/shared/input_player.h"
#include "base/text.h"
#include "engine/run_engine.h"
#include "engine/run_log.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

constexpr const char* kAnotherPlaying = "Another recording is currently playing";
constexpr const char* kNotStarted = "Unable to start Windows hook procedure";
constexpr const char* kNoSuchList = "Recording %d is not loaded (the script holds no such list of events)";
constexpr const char* kEventsAtSpeed = "\t%s events at %s speed\r\n";
constexpr const char* kNotConnected = "Recording actions are not connected to field expansion";

constexpr ActionWord<RecordingAction> kRecordingWords[] = {
    {"Recording", RecordingAction::Play},
};

}  // namespace

const ActionWords<RecordingAction> kRecordingActions{kRecordingWords};

int RunRecordingStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  if (services == nullptr || services->expand == nullptr || services->player == nullptr) {
    run.SetStepError("%s", kNotConnected);
    return 0;
  }
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  InputPlayer& player = *services->player;
  if (player.Busy()) {
    run.SetStepError("%s", kAnotherPlaying);
    return 0;
  }
  const std::string count = services->expand(step.value(1).view(), slot, index);
  if (TextToInt(count) <= 0) return 1;
  const int list_index = TextToInt(services->expand(step.value(2).view(), slot, index));
  const EventList* list = run.workspace().recordings.Get(list_index);
  if (list == nullptr) {
    run.SetStepError(kNoSuchList, list_index);
    return 0;
  }
  const PlaybackSpeed speed = PlaybackSpeedOf(step.options.view());
  if (step.run_count == 1) WriteLog(kEventsAtSpeed, count.c_str(), PlaybackSpeedName(speed));

  PlaybackDevice* device = services->playback_device;
  if (device == nullptr) {
    run.SetStepError("%s", kNotStarted);
    return 0;
  }
  // The playback keeps its own copy: the table may grow while it plays.
  auto playback = std::make_shared<RecordingPlayback>(
      *list, speed, SlowRatioOf(ReadOptionOrDefault(setting::kRecordingSlowRatioName)));
  const int stop_key = StopKeySetting();
  std::atomic<bool>& active = run.state().journal_active;
  std::atomic<bool>& stop_request = run.state().stop_request;
  std::atomic<bool>& refused = run.state().playback_refused;
  // Set before the player starts, so that a playback which ends at once
  // cannot clear it before it was set.
  active.store(true);
  const bool started =
      player.Start([playback, device, stop_key, &active, &stop_request, &refused](const std::atomic<bool>& cancel) {
        const PlaybackEnd end = PlayRecording(*playback, *device, stop_key, cancel);
        // The player's look at the stop key takes the key's "pressed since
        // the last look" with it: the run would miss a short press and go on.
        if (end == PlaybackEnd::kStopKey) stop_request.store(true);
        // Refused input fails the step once the playback has ended.
        if (end == PlaybackEnd::kRefused) refused.store(true);
        active.store(false);
      });
  if (!started) {
    active.store(false);
    run.SetStepError("%s", kNotStarted);
    return 0;
  }
  return 1;
}

}  // namespace zelo
