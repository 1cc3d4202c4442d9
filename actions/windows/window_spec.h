// The window spec: the text a step gives to find a window by, its match
// criteria chosen by option words, and how its "|"-separated fields are read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/windows/window_tree.h"

namespace zelo {

// Search flags: match criteria and the lookup's other requests.
enum WindowSearchFlags : uint32_t {
  SEARCH_TITLE = 1,
  SEARCH_CLASS = 2,
  SEARCH_ID = 4,
  SEARCH_USER_DATA = 8,
  SEARCH_HANDLE = 16,
  SEARCH_LIST = 256,
  SEARCH_MINIMIZE_ALL = 512,
  SEARCH_CLOSE_ALL = 1024,
};
inline constexpr uint32_t kSearchCriteria =
    SEARCH_TITLE | SEARCH_CLASS | SEARCH_ID | SEARCH_USER_DATA | SEARCH_HANDLE;

// Which windows a lookup may take.
enum class WindowQualifier : uint32_t {
  Any = 0,
  Framed = 4096,           // visible, with a dialog or sizing frame
  FramedTopLevel = 8192,   // the same, without parent or owner
};

// The criteria a step's options name: "Title", "Class", "ID", "User",
// "Handle" or "HWND", each anywhere in the text, any case.
uint32_t SearchFlagsFromOptions(std::string_view options);
// "image" in the options: the spec is an image file to find on the screen.
bool ImageModeOptions(std::string_view options);

struct WindowSpec {
  uint32_t flags = 0;
  std::string title;       // every "&" removed; at most 258 characters
  std::string class_name;  // at most 62
  std::string id;          // at most 30
  std::string user_data;   // at most 30
  std::string handle;      // at most 30
};

// The fields in the fixed order title, class, ID, user data, handle, one for
// each criterion the flags select; fields are taken as they stand (no
// trimming) and cut to their lengths. Fields past the selected ones are
// ignored, however many there are.
WindowSpec ParseWindowSpec(uint32_t flags, std::string_view text);

// A handle as a spec or a variable gives it: decimal, or hexadecimal after
// "0x"; 0 when the text is not such a number or too large for a handle.
WindowHandle ReadWindowHandle(std::string_view text);

// Removes every "&" (menu and control texts mark their access keys so).
std::string WithoutAmpersands(std::string_view text);

}  // namespace zelo
