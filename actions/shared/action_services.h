// What the step handlers take from the rest of the program, in one struct
// that the run engine hands to every handler call. The program fills it with
// its own routines once (ProgramActionServices); tests fill it with doubles
// and leave out what they do not need: a handler whose services lack what it
// cannot do without fails its step. Routines are plain functions; a service
// with state of its own is an interface, pointed to. New categories add the
// services they need here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/launch_command.h"
#include "model/step_record.h"

namespace zelo {

class InputPlayer;
class PlaybackDevice;
class KeyboardPlatform;
class ProgramPlatform;
struct WaitServices;
class ScreenAccess;

struct ActionServices {
  // Field expansion (ExpandText): the expanded field, copied out of the
  // program's one expansion buffer, which the next expansion replaces.
  std::string (*expand)(std::string_view field, int slot, int step) = nullptr;
  // Result saving (SaveStepOutput) into the step's output.
  void (*save)(const StepRecord& step, int slot, int step_index, std::string_view data) = nullptr;
  // The path search (ResolvePath): true and the full path in *out when the
  // file was found; false and the name unchanged in *out when not. The
  // script's path, which may be empty, adds its folder to the search.
  bool (*resolve_path)(std::string_view name, std::string* out, std::string_view script_path) = nullptr;
  // The launcher (LaunchCommand): the exit code after a wait, or a kLaunch
  // result; stop may be empty.
  int (*launch)(std::string_view command, bool visible, int32_t wait_ms, const StopCheck& stop) = nullptr;
  // The random source (RandomInRange): a number from low to high.
  int32_t (*random)(int32_t low, int32_t high) = nullptr;
  // Processes, services, window activation and the program's own path, for
  // the "Run Program" actions.
  ProgramPlatform* programs = nullptr;
  // The one player of recorded input, and the input stream it plays into,
  // for the "Recording" action.
  InputPlayer* player = nullptr;
  PlaybackDevice* playback_device = nullptr;
  // The priority, the mouse pointer, screen searches and window lookups of
  // the "Wait" actions.
  const WaitServices* waits = nullptr;
  // The key sender, the clipboard and the foreground window, for the
  // "Keyboard" actions.
  KeyboardPlatform* keyboard = nullptr;
  // The screen the pixel and image searches capture and the scan display draws on.
  ScreenAccess* screen = nullptr;
};

// What every handler that reads its fields and saves a result needs.
inline bool ExpandsAndSaves(const ActionServices* services) {
  return services != nullptr && services->expand != nullptr && services->save != nullptr;
}

}  // namespace zelo
