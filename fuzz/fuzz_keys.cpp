// Fuzzes the key-sequence language: any bytes as a Type step's text, with
// tokens on or off (the first byte decides), through text preparation and the
// event list. Checks that every token moves the scan on and stays inside the
// text, that only bytes of 128 and more become character events, that pauses
// are never negative and that no keystroke is counted without a release; then
// types the events on a layout made from the input and checks that every
// character and pause survives, in order; crashes, hangs and sanitizer
// findings are the fuzzer's.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "actions/keyboard/key_display_name.h"
#include "actions/keyboard/key_events.h"
#include "actions/keyboard/key_token.h"
#include "actions/keyboard/keyboard_layout.h"
#include "actions/keyboard/typed_text.h"

namespace {

// Moves characters to keys picked by the seed, some with AltGr, some on no
// key at all.
class ScrambledLayout : public zelo::KeyboardLayout {
 public:
  explicit ScrambledLayout(uint8_t seed) : seed_(seed) {}
  zelo::LayoutKey KeyFor(unsigned char c) override {
    const unsigned h = c * 131u + seed_;
    zelo::LayoutKey key;
    key.found = h % 7 != 0;
    key.vk = static_cast<uint8_t>('A' + h % 26);
    key.shift = (h & 1) != 0;
    key.ctrl = key.alt = (h & 2) != 0;
    return key;
  }

 private:
  uint8_t seed_;
};

// Character starts and pauses, in order: what a layout must never change.
std::string Skeleton(const std::vector<zelo::KeyEvent>& events) {
  std::string out;
  for (const zelo::KeyEvent& e : events) {
    if (e.kind == zelo::KeyEvent::kPause) out += 'p';
    if (e.starts_character) out += static_cast<char>(e.text_byte);
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool tokens = data[0] & 1;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  zelo::CloseBraceCache cache;
  for (std::size_t pos = 0; pos < text.size();) {
    const zelo::KeyToken key = zelo::ParseKeyToken(text, pos, tokens, &cache);
    if (key.length == 0 || key.length > text.size() - pos) abort();
    if (key.kind == zelo::KeyTokenKind::kCharacter && key.byte < 128) abort();
    pos += key.length;
  }

  const std::string typed = zelo::PrepareTypedText(text, !tokens, [](std::string_view s) { return std::string(s); });
  zelo::KeySequence seq;
  zelo::ParseKeySequence(typed, tokens, &seq);
  int ups = 0;
  for (const zelo::KeyEvent& e : seq.events) {
    if (e.kind == zelo::KeyEvent::kPause && e.delay_ms < 0) abort();
    if (e.kind == zelo::KeyEvent::kCharacter && e.code < 128) abort();
    if (e.kind == zelo::KeyEvent::kKey && e.code == 0) abort();
    ups += e.up;
  }
  // Every keystroke is a release; Shift around a shifted key adds releases
  // that are no keystroke.
  if (seq.keystrokes > ups) abort();

  ScrambledLayout layout(data[0]);
  std::vector<zelo::KeyEvent> on_layout;
  zelo::AdaptToLayout(seq.events.data(), seq.events.size(), layout, &on_layout);
  if (Skeleton(on_layout) != Skeleton(seq.events)) abort();
  int downs = 0, typed_ups = 0;
  for (const zelo::KeyEvent& e : on_layout) {
    if (e.kind == zelo::KeyEvent::kPause) continue;
    downs += !e.up;
    typed_ups += e.up;
  }
  int seq_downs = 0;
  for (const zelo::KeyEvent& e : seq.events) seq_downs += e.kind != zelo::KeyEvent::kPause && !e.up;
  // A layout moves whole characters: each press it adds has its release.
  if (downs - typed_ups != seq_downs - ups) abort();

  std::string name;
  zelo::KeyDisplayName(data[0], &name, {(data[0] & 2) != 0, (data[0] & 4) != 0});
  return 0;
}
