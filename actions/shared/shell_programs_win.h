// The program the shell opens a file with.
#pragma once

#include <string>

namespace zelo {

// FindExecutable: the file must exist; folder may be empty.
bool ShellExecutableFor(const std::string& file, const std::string& folder, std::string* program);

}  // namespace zelo
