// The character classes that decide whether a text is a number, an
// arithmetic expression or a run of operators.
#pragma once

#include <string_view>

namespace zelo {

// The numbers are the class numbers callers have always passed.
enum class CharClass {
  kDigits = 1,      // "0123456789"
  kNumeric = 2,     // "0123456789., +-"
  kExpression = 3,  // "0123456789., */+-()^%&|~!=<>"
  kOperators = 4,   // "*/+-()^%&|~!=<>"
};

// The characters of a class, in the order listed above.
std::string_view CharClassMembers(CharClass cls);

// True when every character of text belongs to cls; an empty text is true.
// A class number outside the list holds no character.
bool CharsOnlyFrom(std::string_view text, CharClass cls);

}  // namespace zelo
