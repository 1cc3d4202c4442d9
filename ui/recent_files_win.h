// The recent-file list together with the system's recent documents: what the
// editor does after a file was opened or saved, or failed to open.
#pragma once

#include <string_view>

namespace zelo {

// Puts the file first in the program's list and adds it to the system's
// recent documents.
void NoteRecentFile(std::string_view path);
// Drops the file from the program's list.
void ForgetRecentFile(std::string_view path);

}  // namespace zelo
