#include "actions/keyboard/key_sender_win.h"

#include <vector>

#include "actions/keyboard/key_sender.h"

namespace zelo {

INPUT KeyEventInput(const KeyEvent& event, HKL layout) {
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
    in.ki.wScan = event.zero_scan ? 0 : static_cast<WORD>(MapVirtualKeyExW(event.code, MAPVK_VK_TO_VSC, layout));
    if (event.extended) flags |= KEYEVENTF_EXTENDEDKEY;
  }
  in.ki.dwFlags = flags;
  return in;
}

HKL FocusedKeyboardLayout() {
  const HWND foreground = GetForegroundWindow();
  const DWORD thread = foreground ? GetWindowThreadProcessId(foreground, nullptr) : 0;
  return GetKeyboardLayout(thread);
}

LayoutKey SystemKeyboardLayout::KeyFor(unsigned char character) {
  LayoutKey key;
  const SHORT found = VkKeyScanExW(static_cast<wchar_t>(character), layout_);
  // -1: no key; a key without a virtual-key code cannot be sent either.
  if (found == -1 || LOBYTE(found) == 0) return key;
  const unsigned state = static_cast<unsigned>(HIBYTE(found));
  // Other shift states (Hankaku and the like) cannot be pressed from here.
  if (state & ~7u) return key;
  key.found = true;
  key.vk = LOBYTE(found);
  key.shift = (state & 1) != 0;
  key.ctrl = (state & 2) != 0;
  key.alt = (state & 4) != 0;
  return key;
}

namespace {

class SendInputKeySender : public KeySender {
 public:
  bool Send(const KeyEvent* events, std::size_t count) override {
    // The layout is read for every batch: the focus may have moved to a
    // window of another language since the last one.
    const HKL layout = FocusedKeyboardLayout();
    SystemKeyboardLayout keys(layout);
    std::vector<KeyEvent> typed;
    AdaptToLayout(events, count, keys, &typed);
    std::vector<INPUT> inputs;
    inputs.reserve(typed.size());
    for (const KeyEvent& e : typed) inputs.push_back(KeyEventInput(e, layout));
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
