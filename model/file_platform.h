// The few file operations the C library does not offer portably. The native
// build implements them with POSIX calls, the Windows build with the Win32
// "W" functions (names are ANSI text, converted at this boundary).
#pragma once

#include <string>
#include <string_view>

namespace zelo {

// The folder part of a path ("" when the path names no folder).
std::string ParentFolder(std::string_view path);
// Creates the folder and every missing folder above it.
bool CreateFolders(const std::string& folder, std::string* error);
// Puts the file `from` in the place of `to`, replacing an existing `to` in one step.
bool ReplaceFileWith(const std::string& from, const std::string& to, std::string* error);
// Creates an empty file only when no file of that name exists yet (in one
// step, so two programs cannot both take the name). False when it was not
// created; *taken then tells whether the name was already in use.
bool CreateNewFile(const std::string& path, bool* taken);
// Removes a file, ignoring failure (cleanup of a temporary file).
void RemoveFileQuietly(const std::string& path);
// The system's text for a C library error number.
std::string ErrorNumberText(int error_number);

}  // namespace zelo
