// The status bar's clock: " %d:%02d %s" with a 12-hour hour (0 shown as 12).
#pragma once

#include <string>

namespace zelo {

std::string ClockText(int hour24, int minute);

}  // namespace zelo
