#include <windows.h>

#include "actions/path_checks.h"
#include "actions/path_checks_platform.h"
#include "base/ansi_text_win.h"

namespace zelo {

namespace {

DWORD Attributes(std::string_view path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(AnsiToWide(path).c_str());
}

}  // namespace

std::FILE* OpenForReading(std::string_view path) { return _wfopen(AnsiToWide(path).c_str(), L"rb"); }

bool PathExists(std::string_view path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool FolderAtPath(std::string_view path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace zelo
