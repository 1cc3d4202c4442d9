#include "actions/keyboard/key_sender_win.h"

#include <vector>

#include "actions/keyboard/key_sender.h"

namespace zelo {

INPUT KeyEventInput(const KeyEvent& event) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  DWORD flags = event.up ? KEYEVENTF_KEYUP : 0;
  if (event.kind == KeyEvent::kCharacter) {
    const char byte = static_cast<char>(event.code);
    wchar_t unit = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &unit, 1) != 1) unit = L'?';
    in.ki.wScan = unit;
    flags |= KEYEVENTF_UNICODE;
  } else {
    in.ki.wVk = event.code;
    in.ki.wScan = event.zero_scan ? 0 : static_cast<WORD>(MapVirtualKeyW(event.code, MAPVK_VK_TO_VSC));
    if (event.extended) flags |= KEYEVENTF_EXTENDEDKEY;
  }
  in.ki.dwFlags = flags;
  return in;
}

namespace {

class SendInputKeySender : public KeySender {
 public:
  bool Send(const KeyEvent* events, std::size_t count) override {
    std::vector<INPUT> inputs;
    inputs.reserve(count);
    for (std::size_t i = 0; i < count; ++i) inputs.push_back(KeyEventInput(events[i]));
    // SendInput inserts events until the system refuses one (a window of
    // higher integrity has the focus, or the desktop is locked) and says how
    // many went in; anything short of all is a refusal.
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return sent == inputs.size();
  }
  void Pause(int32_t ms) override { Sleep(static_cast<DWORD>(ms)); }
};

}  // namespace

KeySender* SystemKeySender() {
  static SendInputKeySender sender;
  return &sender;
}

}  // namespace zelo
