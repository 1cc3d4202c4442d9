// The native build's file facts; the Windows build uses path_checks_win.cpp.
#if !defined(_WIN32)

#include <sys/stat.h>

#include <string>

#include "actions/path_checks.h"
#include "actions/path_checks_platform.h"

namespace zelo {

std::FILE* OpenForReading(std::string_view path) { return std::fopen(std::string(path).c_str(), "rb"); }

bool PathExists(std::string_view path) {
  struct stat st {};
  return !path.empty() && stat(std::string(path).c_str(), &st) == 0;
}

bool FolderAtPath(std::string_view path) {
  struct stat st {};
  return !path.empty() && stat(std::string(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace zelo

#endif
