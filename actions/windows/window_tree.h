// The desktop's windows as the lookup reads them: enumeration and the few
// facts a window spec tests. The Win32 side only enumerates and reads; the
// matching rules over it are portable, and tests give them a fake desktop.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

// A window handle as a number; 0 is no window.
using WindowHandle = uint64_t;

class WindowTree {
 public:
  virtual ~WindowTree() = default;
  // The top-level windows in the system's order (top of the z-order first).
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // Every descendant of the window, in the system's order (depth first).
  virtual std::vector<WindowHandle> Descendants(WindowHandle window) = 0;
  // The window's text, at most 255 characters, asked for with a short time
  // limit: a window that does not answer in time reads as empty.
  virtual std::string Text(WindowHandle window) = 0;
  // At most 63 characters.
  virtual std::string ClassName(WindowHandle window) = 0;
  virtual int64_t Id(WindowHandle window) = 0;
  virtual int64_t UserData(WindowHandle window) = 0;
  // The parent of a child window, the owner of a top-level one; 0 for none.
  virtual WindowHandle Parent(WindowHandle window) = 0;
  // Visible, with a dialog or a sizing frame.
  virtual bool IsFramed(WindowHandle window) = 0;
  // Has neither parent nor owner.
  virtual bool IsTopLevel(WindowHandle window) = 0;
  virtual bool Exists(WindowHandle window) = 0;
  // A top-level window whose whole title, or class, is exactly the text
  // (the system's own quick search); 0 when none.
  virtual WindowHandle FindTopLevel(std::string_view title, std::string_view class_name) = 0;
};

}  // namespace zelo
