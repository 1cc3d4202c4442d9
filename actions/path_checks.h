// The few file facts the IF conditions and the file-line loop need: whether
// a path exists, whether it is a folder, and one line of a text file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelo {

// Lines longer than this are cut.
inline constexpr std::size_t kMaxLoopLine = 1023;

// A file or folder exists at path.
bool PathExists(std::string_view path);
// A folder exists at path.
bool FolderAtPath(std::string_view path);
// Line line_number (from 1) of the text file into *line; a CR LF, a lone CR
// or a lone LF ends a line. False (and an empty line) when the file cannot
// be read or has no such line.
bool ReadTextLine(std::string_view path, int64_t line_number, std::string* line);

}  // namespace zelo
