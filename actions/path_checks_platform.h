// The system calls behind path_checks: a file opened for reading by its
// single-byte name (the Windows build converts it to UTF-16).
#pragma once

#include <cstdio>
#include <string_view>

namespace zelo {

std::FILE* OpenForReading(std::string_view path);

}  // namespace zelo
