#include "expr/windows_version_name.h"

namespace zelo {

std::string WindowsVersionName(const OsVersion& v) {
  if (v.major == 0) return std::string();
  if (v.nine_x_line && v.major == 4) {
    if (v.minor == 0) return "Windows 95";
    if (v.minor == 10) return "Windows 98";
    if (v.minor == 90) return "Windows ME";
  } else if (!v.nine_x_line) {
    if (v.major == 4) return "Windows NT 4";
    if (v.major == 5 && v.minor == 0) return "Windows 2000";
    if (v.major == 5 && v.minor == 1) return "Windows XP";
    if (v.major == 5 && v.minor == 2) return "Windows 2003 Server";
    if (v.major == 6 && v.minor == 0) return "Windows Vista";
    if (v.major == 6 && v.minor == 1) return "Windows 7";
    if (v.major == 6 && v.minor == 2) return "Windows 8";
    if (v.major == 6 && v.minor == 3) return "Windows 8.1";
    // Windows 11 kept the version number 10.0 and moved only the build.
    if (v.major == 10 && v.minor == 0) return v.build >= 22000 ? "Windows 11" : "Windows 10";
  }
  return "Windows " + std::to_string(v.major) + "." + std::to_string(v.minor);
}

}  // namespace zelo
