// The lookup of a window by its title alone, as the window waits make it.
#pragma once

#include <windows.h>

#include <string_view>

#include "actions/wait/wait_services.h"

namespace zelo {

class TitleWindowFinder : public WindowFinder {
 public:
  // A top-level window whose whole title is the text (hidden or not);
  // otherwise, over every top-level window and then each one's
  // descendants, the last one whose title holds the text without regard to
  // case or "&": a top-level window only when it is visible and framed, a
  // descendant only when it is not part of the program's own main window.
  WindowLookup FindByTitle(std::string_view title) override;
};

// Whether the window, or one of its five nearest ancestors, is the
// program's main window or of a class whose name holds the main window's.
bool BelongsToProgramWindow(HWND window);

}  // namespace zelo
