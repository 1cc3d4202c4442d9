#include <windows.h>

#include <vector>

#include "actions/recordings/play_recording.h"

namespace zelo {

namespace {

DWORD ButtonFlag(PlayedInput::Button button, bool up) {
  switch (button) {
    case PlayedInput::kLeft: return up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    case PlayedInput::kRight: return up ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_RIGHTDOWN;
    case PlayedInput::kMiddle: return up ? MOUSEEVENTF_MIDDLEUP : MOUSEEVENTF_MIDDLEDOWN;
    case PlayedInput::kNoButton: break;
  }
  return 0;
}

INPUT InputOf(const PlayedInput& played) {
  INPUT in = {};
  if (played.kind == PlayedInput::kKey) {
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = played.vk;
    // A recording made by the system carries the scan code; one without it
    // gets the keyboard's own.
    in.ki.wScan = played.scan != 0 ? played.scan : static_cast<WORD>(MapVirtualKeyW(played.vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = (played.up ? KEYEVENTF_KEYUP : 0) | (played.extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
  }
  in.type = INPUT_MOUSE;
  DWORD flags = ButtonFlag(played.button, played.up);
  if (played.move) {
    // Recorded points are screen pixels of the whole desktop, which may
    // reach left of or above the primary screen.
    in.mi.dx = AbsoluteCoordinate(played.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    in.mi.dy = AbsoluteCoordinate(played.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    flags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  }
  if (played.wheel != 0) {
    flags |= MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(played.wheel);
  }
  in.mi.dwFlags = flags;
  return in;
}

class SendInputDevice : public PlaybackDevice {
 public:
  uint32_t Ticks() override { return GetTickCount(); }
  void Sleep(uint32_t ms) override { ::Sleep(ms); }
  // The high bit: down now; the low bit: pressed since the last look, so a
  // short tap between two looks still counts.
  bool KeyDown(int vk) override { return GetAsyncKeyState(vk) != 0; }
  bool Send(const PlayedInput* inputs, std::size_t count) override {
    std::vector<INPUT> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count; ++i) records.push_back(InputOf(inputs[i]));
    // SendInput says how many it inserted; none go in while a program of
    // higher rights has the focus or the desktop is locked.
    return SendInput(static_cast<UINT>(records.size()), records.data(), sizeof(INPUT)) == records.size();
  }
};

}  // namespace

PlaybackDevice* SystemPlaybackDevice() {
  static SendInputDevice device;
  return &device;
}

}  // namespace zelo
