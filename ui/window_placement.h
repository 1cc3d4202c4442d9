// Where the main window opens: at the rectangle stored when it last closed
// ("SOFTWARE\Zelomat\Left", "Top", "Right", "Bottom"), at the system's default
// place when none is stored, or over the full screen when the stored one
// would leave the window off-screen or too small to use.
#pragma once

#include <cstdint>

namespace zelo {

struct WindowRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
};

enum class PlacementKind { SystemDefault, Stored, FullScreen };

struct MainWindowPlacement {
  PlacementKind kind = PlacementKind::SystemDefault;
  WindowRect rect;  // Stored and FullScreen only
};

struct ScreenMetrics {
  int32_t width = 0;
  int32_t height = 0;
  int32_t min_track_width = 0;   // the smallest size a user can drag a window to
  int32_t min_track_height = 0;
};

WindowRect ReadStoredMainWindowRect();
// A stored bottom of 0 means nothing is stored. A left edge below -4 (a
// maximised window's frame sits just off-screen) or at or beyond the screen's
// width, or a size below the minimum tracking size, gives the full screen.
MainWindowPlacement ChooseMainWindowPlacement(const WindowRect& stored, const ScreenMetrics& screen);

}  // namespace zelo
