// The system's collation for conditions that compare texts: the user's
// locale, as the Windows text comparison orders ANSI text.
#pragma once

#include <string_view>

namespace zelo {

int SystemCollateText(std::string_view a, std::string_view b, bool ignore_case);

}  // namespace zelo
