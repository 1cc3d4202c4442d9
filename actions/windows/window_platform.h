// What the "Windows/Controls" steps and the control conditions do to windows
// besides finding them. The Windows build acts on the system's windows;
// native builds have none, and tests install a double.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actions/shared/screen_point.h"
#include "actions/windows/close_window.h"
#include "actions/windows/window_tree.h"

namespace zelo {

// A window's rectangle on the screen.
struct WindowBox {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

class WindowPlatform : public CloseTarget {
 public:
  // False when the window is gone.
  virtual bool Box(WindowHandle window, WindowBox* box) = 0;
  // Has WS_VISIBLE and is shown (its parents too).
  virtual bool IsVisible(WindowHandle window) = 0;
  virtual WindowHandle Foreground() = 0;
  // ActivateWindow: brings the window to the foreground; false for no window.
  virtual bool Activate(WindowHandle window) = 0;
  // The "Set Window Style" choices by name ("Always on Top", "Hidden",
  // "Not Resizable"...); any name ends with a repaint and the focus.
  virtual void SetStyle(WindowHandle window, std::string_view style) = 0;
  // The window's whole text, however long.
  virtual std::string FullText(WindowHandle window) = 0;
  // Glides to the control and presses it (a single-line edit gets its text
  // selected instead); returns the control that took the press.
  virtual WindowHandle Press(WindowHandle control) = 0;
  virtual void Move(WindowHandle window, int32_t left, int32_t top) = 0;
  virtual void Resize(WindowHandle window, int32_t width, int32_t height) = 0;
  virtual void Maximize(WindowHandle window) = 0;
  // Restores a minimised window, minimises any other.
  virtual void MinimizeOrRestore(WindowHandle window) = 0;
  // Every visible framed top-level window not yet minimised.
  virtual void MinimizeAll() = 0;
  // The visible framed top-level windows "Close all Windows" closes.
  virtual std::vector<WindowHandle> WindowsToCloseAll() = 0;
  // The button is checked by its parent's word, its own check state or its
  // pushed state.
  virtual bool IsChecked(WindowHandle control) = 0;
  // The window the system names at a screen point (the deepest visible,
  // enabled one); 0 for none.
  virtual WindowHandle WindowAt(ScreenPoint point) = 0;
  // For a window with a parent, the windows after it in z-order with the
  // same parent; empty for one without.
  virtual std::vector<WindowHandle> LaterSiblings(WindowHandle window) = 0;
};

// The window under a point, as a window found by an image is chosen: the
// system's window at the point, replaced by each later visible sibling that
// contains the point and is smaller (so a control drawn inside a group box
// or a larger control wins over it).
WindowHandle WindowUnderPoint(WindowPlatform& platform, ScreenPoint point);

// The platform the steps use: the system's in the Windows build, one that
// cannot act natively, or what a test installs (nullptr puts it back).
WindowPlatform& ProgramWindowPlatform();
void UseWindowPlatform(WindowPlatform* platform);
WindowPlatform& SystemWindowPlatform();

}  // namespace zelo
