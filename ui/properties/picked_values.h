// What the palette's picking tools write into a row: a window as the match
// criteria of the step's options, a pixel's colour, a point on the screen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/windows/window_tree.h"

namespace zelo {

// The window as a window spec for the criteria the step's options select
// (title, class, ID, user data, handle, joined by "|" in that order); the
// title alone when the options select none. A "|" in the title would split
// the spec, so the title stops before it (titles match by what they contain).
std::string DescribeWindowForSpec(WindowTree& tree, WindowHandle window, std::string_view options);

// A COLORREF (0x00BBGGRR) as the pixel actions read a colour: "0xRRGGBB".
std::string PickedColorText(uint32_t colorref);

// A point as the coordinate fields read it: "X, Y".
std::string PickedPointText(int32_t x, int32_t y);

}  // namespace zelo
