// The timing of a recorded event list's playback: which event is due when,
// at slow, normal or fast speed. It answers the same requests a journal
// playback hook answers (the next event or how long to wait for it, and the
// note that an event has been played), so the player that feeds the events
// into the input stream only asks and sleeps.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/recording_table.h"

namespace zelo {

enum class PlaybackSpeed { Slow = -1, Normal = 0, Fast = 1 };

// The step's options: "Fast" gives fast, else "Slow" slow, else normal.
PlaybackSpeed PlaybackSpeedOf(std::string_view options);
// "slow", "normal" or "fast", as the log names the speed.
const char* PlaybackSpeedName(PlaybackSpeed speed);
// The slow factor from the stored setting: a stored 0 counts as the default.
int SlowRatioOf(int32_t stored);

// What the player does next.
struct PlaybackTurn {
  enum Kind {
    kWait,      // ask again after wait_ms
    kPlay,      // play *event now, then call Played
    kStopKey,   // the stop key is down: the playback ends
    kBadEvent,  // the current event is empty: the playback ends
  };
  Kind kind = kWait;
  uint32_t wait_ms = 0;
  const RecordedEvent* event = nullptr;
};

class RecordingPlayback {
 public:
  RecordingPlayback(EventList events, PlaybackSpeed speed, int slow_ratio);

  // The request for the current event at tick count now. The first request
  // starts the clock; each later one takes the time since the one before off
  // the wait, and time waited past the wait is kept as overshoot. A wait of
  // 9 ms or less is not waited for.
  PlaybackTurn Next(uint32_t now, bool stop_key_down);
  // The event Next handed out has been played: go on to the next one. False
  // when the list has ended. The next event's wait is its recorded gap less
  // the overshoot so far, scaled by the speed.
  bool Played();

  // Events played so far (the index of the current event).
  int played() const { return index_; }

 private:
  int32_t Scaled(int32_t gap) const;

  EventList events_;
  PlaybackSpeed speed_;
  int slow_ratio_;
  int index_ = 0;
  int32_t wait_ = 0;       // milliseconds still to wait before the current event
  int32_t overshoot_ = 0;  // milliseconds waited past the waits so far
  bool clock_started_ = false;
  uint32_t last_tick_ = 0;
};

}  // namespace zelo
