// What a recorded event plays as: a key or a mouse input for the system's
// input stream. Recorded events keep the system's journal layout: for key
// messages the low byte of paramL is the virtual key, the next byte the scan
// code and bit 15 of paramH the extended-key flag; for mouse messages paramL
// and paramH are the screen point.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/recording_table.h"

namespace zelo {

struct PlayedInput {
  enum Kind : uint8_t { kKey, kMouse };
  enum Button : uint8_t { kNoButton, kLeft, kRight, kMiddle };
  Kind kind = kKey;
  // kKey: the virtual key and its scan code (0: the system's own for the key).
  uint8_t vk = 0;
  uint8_t scan = 0;
  bool extended = false;
  // A key or button going up (else down).
  bool up = false;
  // kMouse: moves to the screen point first (releases at the end of a
  // playback do not move).
  bool move = false;
  int32_t x = 0;
  int32_t y = 0;
  Button button = kNoButton;
  int32_t wheel = 0;  // wheel movement, 120 a notch
};

// The input a recorded event plays as; false for a message that plays
// nothing (a character message, anything the input stream has no form for).
bool PlayedInputOf(const RecordedEvent& event, PlayedInput* out);

// The keys and buttons a playback pressed and has not released, so that the
// end of the playback, however it comes, leaves none of them down.
class HeldByPlayback {
 public:
  void Note(const PlayedInput& input);
  // One release for every key and button still down, without moves; marks
  // them released.
  std::vector<PlayedInput> TakeReleases();

 private:
  // Per virtual key: 0 up, else 1 + the key's down input's extended flag,
  // so its release goes out as it went down.
  std::array<uint8_t, 256> keys_{};
  std::array<uint8_t, 256> scans_{};
  std::array<bool, 4> buttons_{};
};

// The absolute coordinate (0 to 65535) the input stream takes for a pixel,
// over a screen that starts at origin and is extent pixels wide. The system
// turns it back into pixel origin + coordinate * extent / 65536 (rounded
// down); the value chosen is the smallest that gives the pixel back.
int32_t AbsoluteCoordinate(int32_t pixel, int32_t origin, int32_t extent);

}  // namespace zelo
