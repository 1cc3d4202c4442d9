#include "ui/window_placement.h"

#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

WindowRect ReadStoredMainWindowRect() {
  WindowRect r;
  r.left = ReadSetting(setting::kWindowLeft);
  r.top = ReadSetting(setting::kWindowTop);
  r.right = ReadSetting(setting::kWindowRight);
  r.bottom = ReadSetting(setting::kWindowBottom);
  return r;
}

MainWindowPlacement ChooseMainWindowPlacement(const WindowRect& stored, const ScreenMetrics& screen) {
  MainWindowPlacement p;
  if (stored.bottom == 0) return p;
  bool off_screen = stored.left < -4 || stored.left >= screen.width;
  bool too_small = stored.width() < screen.min_track_width || stored.height() < screen.min_track_height;
  if (off_screen || too_small) {
    p.kind = PlacementKind::FullScreen;
    p.rect = WindowRect{0, 0, screen.width, screen.height};
  } else {
    p.kind = PlacementKind::Stored;
    p.rect = stored;
  }
  return p;
}

}  // namespace zelo
