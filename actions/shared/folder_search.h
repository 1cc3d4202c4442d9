// The directory search of the files loop: the entries of one folder whose
// names match a wildcard pattern ("*" any run of characters, "?" one
// character, without regard to ASCII case; "*.*" matches every name, as
// Windows has it).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/loop_state.h"

namespace zelo {

// The pattern a files loop searches for its text: a folder (a text that ends
// with a separator, contains no ".", or names an existing folder) gets
// "*.*" inside it.
std::string FilesLoopPattern(std::string_view text, bool names_folder);

bool WildcardMatch(std::string_view pattern, std::string_view name);

// Opens a search for pattern (a folder, a separator, a wildcard name).
// Returns null when the folder cannot be read.
std::unique_ptr<FolderSearch> OpenFolderSearch(const std::string& pattern);

}  // namespace zelo
