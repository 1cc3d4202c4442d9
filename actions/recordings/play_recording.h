// Playing a recorded event list into the system's input stream: the player
// thread's loop over RecordingPlayback, through one seam (the device) whose
// Win32 side uses SendInput. The loop writes the playback's log lines and
// leaves no key or button down that the playback pressed.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "actions/recordings/played_input.h"
#include "actions/recordings/recording_playback.h"

namespace zelo {

class PlaybackDevice {
 public:
  virtual ~PlaybackDevice() = default;
  // Milliseconds; wraps around like the system's tick count.
  virtual uint32_t Ticks() = 0;
  virtual void Sleep(uint32_t ms) = 0;
  // The stop key is down, or was pressed since the last look.
  virtual bool KeyDown(int vk) = 0;
  // Puts the inputs into the input stream in order. False when the system
  // took fewer than it was given: it refused them.
  virtual bool Send(const PlayedInput* inputs, std::size_t count) = 0;
};

enum class PlaybackEnd {
  kFinished,   // the list has been played
  kStopKey,    // the stop key ended it
  kBadEvent,   // it came to an empty event (an empty list, too)
  kRefused,    // the system refused the input
  kCancelled,  // cancelled from outside (the end of the run)
};

// Plays the list until one of the ends above. Every three seconds the status
// bar shows how many events have been played. A cancelled playback ends at
// once and says nothing; any other end waits 300 ms for the last input to
// arrive and logs how many events were played.
PlaybackEnd PlayRecording(RecordingPlayback& playback, PlaybackDevice& device, int stop_key,
                          const std::atomic<bool>& cancel);

// The program's device (SendInput on Windows; none in the native build).
PlaybackDevice* SystemPlaybackDevice();

}  // namespace zelo
