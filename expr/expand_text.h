// ExpandText: resolves the references of a step field when the step runs —
// user variables, loop variables, Windows constants, system, date and
// random tokens, environment variables and inline functions — into the one
// program-wide ExpansionBuffer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelo {

// Expands field for the script in slot (0-7) at step index (0-based).
// Returns the result's length plus 1, or 0 when the field is empty (the
// buffer is then empty). The field ends at its first NUL, as a C text does.
std::size_t ExpandText(std::string_view field, int slot, int step);

// The result of the last ExpandText. It is replaced by the next call, so a
// caller copies what it needs before expanding another field.
const std::string& ExpansionBuffer();

}  // namespace zelo
