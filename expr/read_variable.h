// ReadVariable: a variable's text, expanded, and its integer value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zelo {

// Reads the stored text of variable name (a leading "%" is ignored) of the
// script in slot, at most capacity - 1 characters, expands it as a field of
// step index and puts the result, cut to capacity - 1 characters, into
// *destination. Returns TextToInt of the result. A missing variable gives an
// empty text and 0. A variable kept in a variable file yields its file
// reference: only the stored text is read.
int32_t ReadVariable(std::string_view name, int slot, int step, std::string* destination, std::size_t capacity);

}  // namespace zelo
