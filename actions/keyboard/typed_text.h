// The text a keyboard step types, prepared from its text field: expanded
// unless "No Formatting" is on, a line break of the field sent as one Return,
// and "%r%n" as two (carriage return and line feed).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zelo {

// expand is field expansion (ExpandText); it is not called when no_formatting.
std::string PrepareTypedText(std::string_view text, bool no_formatting,
                             const std::function<std::string(std::string_view)>& expand);

}  // namespace zelo
