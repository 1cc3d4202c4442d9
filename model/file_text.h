// What the loader does to a file's bytes before it reads steps: find the
// script (also at the end of a compiled program), keep the file's extra
// processing instructions, and drop comments.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

// Position of the last "<Zelo" at position 3 or later (a plain file starts
// with its declaration; a compiled program with its stub); npos when none.
std::size_t FindScriptRoot(std::string_view data);

// The file's "<?xml" processing instructions other than the declaration, each
// cut after its ">" and followed by CR LF, as long as all of them fit 258
// characters (one that does not fit ends the list).
std::string CollectCustomXmlTags(std::string_view data);

// Removes every "<!--" ... "-->" (an unclosed comment runs to the end).
std::string RemoveXmlComments(std::string_view text);
// Whether the text holds a comment at all (most files do not: no copy then).
bool HasXmlComment(std::string_view text);

}  // namespace zelo
