#include "actions/recordings/played_input.h"

#include <algorithm>

namespace zelo {

namespace {

// The window messages a recording holds, by their system codes.
constexpr int32_t kKeyDown = 0x100, kKeyUp = 0x101, kSysKeyDown = 0x104, kSysKeyUp = 0x105;
constexpr int32_t kMouseMove = 0x200, kMouseWheel = 0x20A, kLastMouseMessage = 0x20E;
// The journal does not keep the wheel's direction: a recorded wheel message
// plays as one notch towards the user.
constexpr int32_t kRecordedWheel = -120;
constexpr int32_t kExtendedBit = 0x8000;

PlayedInput::Button ButtonOf(int32_t message, bool* up) {
  // Down, up and double-click messages come in threes per button.
  switch (message) {
    case 0x201: case 0x203: *up = false; return PlayedInput::kLeft;
    case 0x202: *up = true; return PlayedInput::kLeft;
    case 0x204: case 0x206: *up = false; return PlayedInput::kRight;
    case 0x205: *up = true; return PlayedInput::kRight;
    case 0x207: case 0x209: *up = false; return PlayedInput::kMiddle;
    case 0x208: *up = true; return PlayedInput::kMiddle;
    default: return PlayedInput::kNoButton;
  }
}

}  // namespace

bool PlayedInputOf(const RecordedEvent& event, PlayedInput* out) {
  PlayedInput in;
  const int32_t m = event.message;
  if (m == kKeyDown || m == kKeyUp || m == kSysKeyDown || m == kSysKeyUp) {
    in.kind = PlayedInput::kKey;
    in.vk = static_cast<uint8_t>(event.param_l & 0xff);
    in.scan = static_cast<uint8_t>((event.param_l >> 8) & 0xff);
    in.extended = (event.param_h & kExtendedBit) != 0;
    in.up = m == kKeyUp || m == kSysKeyUp;
    if (in.vk == 0) return false;
  } else if (m >= kMouseMove && m <= kLastMouseMessage) {
    // Buttons the input stream cannot tell apart from the journal's record
    // (the side buttons) and the horizontal wheel only move the mouse.
    in.kind = PlayedInput::kMouse;
    in.move = true;
    in.x = event.param_l;
    in.y = event.param_h;
    in.button = ButtonOf(m, &in.up);
    if (m == kMouseWheel) in.wheel = kRecordedWheel;
  } else {
    return false;
  }
  *out = in;
  return true;
}

void HeldByPlayback::Note(const PlayedInput& input) {
  if (input.kind == PlayedInput::kKey) {
    keys_[input.vk] = input.up ? 0 : static_cast<uint8_t>(1 + (input.extended ? 1 : 0));
    if (!input.up) scans_[input.vk] = input.scan;
  } else if (input.button != PlayedInput::kNoButton) {
    buttons_[input.button] = !input.up;
  }
}

std::vector<PlayedInput> HeldByPlayback::TakeReleases() {
  std::vector<PlayedInput> releases;
  for (std::size_t vk = 0; vk < keys_.size(); ++vk) {
    if (!keys_[vk]) continue;
    PlayedInput key;
    key.kind = PlayedInput::kKey;
    key.vk = static_cast<uint8_t>(vk);
    key.scan = scans_[vk];
    key.extended = keys_[vk] == 2;
    key.up = true;
    releases.push_back(key);
    keys_[vk] = 0;
  }
  for (std::size_t b = 0; b < buttons_.size(); ++b) {
    if (!buttons_[b]) continue;
    PlayedInput button;
    button.kind = PlayedInput::kMouse;
    button.button = static_cast<PlayedInput::Button>(b);
    button.up = true;
    releases.push_back(button);
    buttons_[b] = false;
  }
  return releases;
}

int32_t AbsoluteCoordinate(int32_t pixel, int32_t origin, int32_t extent) {
  if (extent <= 0) return 0;
  const int64_t offset = std::clamp<int64_t>(int64_t{pixel} - origin, 0, extent - 1);
  return static_cast<int32_t>(std::min<int64_t>((offset * 65536 + extent - 1) / extent, 65535));
}

}  // namespace zelo
