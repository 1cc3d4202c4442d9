// Gliding the pointer: a visible path of small moves to the target, then the
// exact placement.
#pragma once

#include <cstdint>
#include <vector>

#include "actions/mouse/mouse_device.h"

namespace zelo {

inline constexpr uint32_t kGlideStepMs = 25;

// The positions of the moves: 20 equal steps of the distance ÷ 20 on each
// axis (whole pixels), or, when both of those are 0, 8 steps of the
// distance ÷ 8.
std::vector<ScreenPoint> GlidePath(ScreenPoint from, ScreenPoint to);

// Glides from the pointer's position to the target (each move followed by
// 25 ms) and places the pointer exactly on it; snap places it at once.
// False when the system refused a move.
bool GlideTo(MouseDevice& mouse, ScreenPoint to, bool snap);

// A position in the 0..65535 range of an absolute move over a screen span
// (origin and extent in pixels) that lands exactly on the pixel: the system
// maps n to origin + n × extent ÷ 65536, cut to a whole pixel. Positions
// outside the span are held to its edges.
int32_t AbsoluteMoveCoordinate(int32_t pixel, int32_t origin, int32_t extent);

}  // namespace zelo
