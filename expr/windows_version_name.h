// The name of a Windows version as "%WINVER" shows it.
#pragma once

#include <string>

#include "expr/substitution_context.h"

namespace zelo {

// "Windows 95" ... "Windows 2003 Server", the release names of version 6
// ("Windows Vista", "Windows 7", "Windows 8", "Windows 8.1"), "Windows 10" and
// "Windows 11" (build 22000 on) for version 10, "Windows " and the version
// number for any other; empty for version 0 (not known).
std::string WindowsVersionName(const OsVersion& version);

}  // namespace zelo
