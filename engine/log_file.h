// The log file: single-byte text appended a line at a time. Each append opens,
// writes and closes the file, so another program can read it at any moment
// and a file deleted between two lines is simply started anew.
#pragma once

#include <string_view>

namespace zelo {

// Appends text at the end of the file, creating the file and any missing
// folders of its path. Returns false when it cannot be written.
bool AppendToLogFile(std::string_view path, std::string_view text);
// Deletes the file; false when it did not exist or cannot be deleted.
bool RemoveLogFile(std::string_view path);

}  // namespace zelo
