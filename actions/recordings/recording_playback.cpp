#include "actions/recordings/recording_playback.h"

#include <algorithm>
#include <limits>

#include "base/text.h"

namespace zelo {

namespace {

constexpr int kDefaultSlowRatio = 4;
// A wait this short is not worth a sleep: the event is played at once.
constexpr int32_t kLongestSkippedWait = 9;

// Recorded times are whatever the file held: differences and products are
// taken wide and brought back into range.
int32_t Clamped(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, 0, std::numeric_limits<int32_t>::max()));
}

}  // namespace

PlaybackSpeed PlaybackSpeedOf(std::string_view options) {
  if (ContainsNoCase(options, "Fast")) return PlaybackSpeed::Fast;
  if (ContainsNoCase(options, "Slow")) return PlaybackSpeed::Slow;
  return PlaybackSpeed::Normal;
}

const char* PlaybackSpeedName(PlaybackSpeed speed) {
  switch (speed) {
    case PlaybackSpeed::Slow: return "slow";
    case PlaybackSpeed::Fast: return "fast";
    case PlaybackSpeed::Normal: break;
  }
  return "normal";
}

int SlowRatioOf(int32_t stored) { return stored == 0 ? kDefaultSlowRatio : stored; }

RecordingPlayback::RecordingPlayback(EventList events, PlaybackSpeed speed, int slow_ratio)
    : events_(std::move(events)), speed_(speed), slow_ratio_(slow_ratio) {}

PlaybackTurn RecordingPlayback::Next(uint32_t now, bool stop_key_down) {
  PlaybackTurn turn;
  if (stop_key_down && index_ > 0) {
    turn.kind = PlaybackTurn::kStopKey;
    return turn;
  }
  const std::size_t at = static_cast<std::size_t>(index_);
  if (at >= events_.size() || events_[at].message == 0) {
    turn.kind = PlaybackTurn::kBadEvent;
    return turn;
  }
  if (clock_started_) wait_ -= static_cast<int32_t>(std::min<uint32_t>(now - last_tick_, 0x7fffffff));
  clock_started_ = true;
  last_tick_ = now;
  if (wait_ < 0) {
    overshoot_ = Clamped(int64_t{overshoot_} - wait_);
    wait_ = 0;
  }
  if (wait_ > kLongestSkippedWait) {
    turn.wait_ms = static_cast<uint32_t>(wait_);
    return turn;
  }
  turn.kind = PlaybackTurn::kPlay;
  turn.event = &events_[at];
  return turn;
}

bool RecordingPlayback::Played() {
  ++index_;
  const std::size_t at = static_cast<std::size_t>(index_);
  if (at >= events_.size() || events_[at].message == 0) return false;
  int64_t gap = int64_t{events_[at].time} - events_[at - 1].time;
  if (overshoot_ > 0) gap -= overshoot_;
  overshoot_ = 0;
  wait_ = Scaled(Clamped(gap));
  return true;
}

// A ratio below 2 leaves fast playback nothing to divide by, and one below
// 1 nothing to slow down by: the recorded gaps stay as they are.
int32_t RecordingPlayback::Scaled(int32_t gap) const {
  if (speed_ == PlaybackSpeed::Slow && slow_ratio_ >= 1) return Clamped(int64_t{gap} * slow_ratio_);
  if (speed_ == PlaybackSpeed::Fast && slow_ratio_ / 2 >= 1) return gap / (slow_ratio_ / 2);
  return gap;
}

}  // namespace zelo
