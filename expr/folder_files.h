// The files directly inside a folder whose names end in a given text
// (compared without regard to ASCII case, as Windows compares names). The
// native build reads the folder with POSIX calls, the Windows build with the
// Win32 "W" functions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelo {

// Full paths (folder, separator, name); empty when the folder cannot be read.
std::vector<std::string> FilesEndingWith(const std::string& folder, std::string_view suffix);

}  // namespace zelo
