// The version this build of the program calls itself (the about box, the
// splash, the update check).
#pragma once

namespace zelo {

inline constexpr char kProgramVersion[] = "1.0.15";

}  // namespace zelo
