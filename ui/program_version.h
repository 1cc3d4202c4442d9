// The program's version, as the update check, the about box and the splash
// show it.
#pragma once

namespace zelo {

inline constexpr char kProgramVersion[] = "1.5.1";

}  // namespace zelo
