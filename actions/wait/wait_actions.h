// Category 7, "Wait": pausing a run for a time, until a key, a mouse button
// or a mouse movement, or until a colour, a bitmap, a window or a file is
// there (or a window is gone).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class WaitAction {
  Freeze,
  Delay,
  Keypress,
  MouseClick,
  MouseMovement,
  Pixel,
  MaskedImage,
  Image,
  WindowToDisappear,
  WindowToAppear,
  File,
  Other,  // passes at once
};

// The branch of an action name: the first word of the table it holds,
// ignoring case.
extern const ActionWords<WaitAction> kWaitActions;

// What a key or mouse wait waits for.
struct AwaitedInput {
  enum Kind { MouseButton, AnyKey, OneKey } kind = AnyKey;
  int vk = 0;  // OneKey
};

// The key of a "Wait for Keypress" text as stored: one character or a key
// name in braces; empty is any key. False with the reason in *error for a
// text that names no key ("{Nonsense}", "{Delay 5}").
bool ReadAwaitedKey(std::string_view text, AwaitedInput* awaited, std::string* error);

// The handler: 1 pass, 0 fail (a time-out, with no text of its own), -1
// when the stop key or a stop request ended the wait. The single checks
// (pixel, image, window, file) look once; the failure handling tries them
// again until their time-out has passed.
int RunWaitStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
