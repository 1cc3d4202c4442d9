#include "actions/recordings/play_recording.h"

namespace zelo {

// The native build has no input stream to play into.
PlaybackDevice* SystemPlaybackDevice() { return nullptr; }

}  // namespace zelo
