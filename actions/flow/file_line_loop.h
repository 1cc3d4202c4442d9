// The file-line loop: one line of a text file per iteration.
#pragma once

#include <cstdint>
#include <string>

namespace zelo {

class RunEngine;

// Reads line counter + 1 of the file that text names (a relative path is
// taken from the script's folder) into "file_line_loop"; false when the
// file has no such line or cannot be read.
bool FileLineLoopGoesOn(RunEngine& run, int slot, int index, const std::string& text, int32_t counter);

// A relative path taken from the folder of the script file script_path.
std::string PathFromScriptFolder(const std::string& path, const std::string& script_path);

}  // namespace zelo
