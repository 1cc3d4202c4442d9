// CurrentWindow: the window the last window lookup found (0 for none), which
// later steps act on. Program-wide; set and read from the run thread.
#pragma once

#include <cstdint>

namespace zelo {

uint64_t CurrentWindow();
void SetCurrentWindow(uint64_t window);

}  // namespace zelo
