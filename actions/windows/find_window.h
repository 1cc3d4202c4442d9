// FindWindowBySpec and MatchWindow: which window of the desktop a window spec
// names, with the counts of matches that the several-matches rule reads.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/windows/window_spec.h"
#include "actions/windows/window_tree.h"

namespace zelo {

// What one lookup found: the last match in enumeration order and how many
// framed top-level windows and how many descendants matched.
struct WindowSearch {
  WindowHandle window = 0;
  int top_level_matches = 0;
  int child_matches = 0;
};

// Whether the window, or one of its five nearest ancestors, is the program's
// main window or has a class name containing the main window's class name.
class OwnWindows {
 public:
  OwnWindows(WindowTree& tree, WindowHandle main_window);
  bool Owns(WindowHandle window) const;

 private:
  WindowTree& tree_;
  WindowHandle main_;
  std::string main_class_;
};

// Tests one window against the parsed spec and the qualifier. Cheap facts
// are compared first, so a window's text is only asked for when everything
// else already holds.
bool MatchWindow(WindowTree& tree, WindowHandle window, const WindowSpec& spec, WindowQualifier qualifier);

// The lookup. Title alone or class alone first asks the system for a
// top-level window with exactly that title or class (found: counts 0). Then
// every top-level window is tested (a framed match counts and becomes the
// result) and every one of its descendants (a match outside the program's
// own windows counts and becomes the result). A spec handle that is not a
// live window finds nothing without enumerating. Without criteria or spec
// text nothing is found.
WindowSearch FindWindowBySpec(WindowTree& tree, WindowHandle main_window, uint32_t flags, std::string_view spec,
                              WindowQualifier qualifier);

// The several-matches rule of the window steps: empty when the counts are
// acceptable, otherwise the step's error text.
std::string SeveralMatchesError(const WindowSearch& search);

// Control kinds, by class name (any case) and style.
enum class ControlKind {
  Other = 0,
  Static = 1,  // also a group box
  Edit = 2,
  ComboBox = 3,
  RadioButton = 4,
  CheckBox = 5,
  Button = 6,
  ListBox = 7,
  ScrollBar = 8,
  MultiLineEdit = 9,
};
ControlKind KindOfControl(std::string_view class_name, uint32_t style);

// The window list of the editor's commands: one line per enumerated window
// that passes the qualifier. With Any: every window with its class, ID and
// handle, framed top-level windows after a separator and the others
// indented; otherwise only the texts of windows that have one.
std::string WindowListText(WindowTree& tree, WindowQualifier qualifier);

}  // namespace zelo
