// Conditions of "IF Expression" and "While" loops after expansion, such as
// "12 >= 10" or "done != yes": one comparison, decided to true or false.
#pragma once

#include <cstddef>
#include <string_view>

namespace zelo {

// The maximum number of characters of a comparison operator that count.
constexpr std::size_t kConditionOperatorMax = 8;

// True or false for text:
//   - an empty text is false; a text without "=", "<" and ">" is true unless
//     it is exactly "0";
//   - otherwise the text splits at its first run of "<", "=", ">" and "!"
//     (a "!" only before "="); the left side loses its trailing blanks, the
//     right side its leading blanks; further operators belong to the right
//     side;
//   - two sides made of "0123456789., +-" only (an empty side counts) are
//     numbers (TextToReal, leading blanks skipped), others texts;
//   - "=" and "==" compare the texts exactly (5.0 = 5 is false);
//     ">", ">=", "<", "<=" compare numbers by value and texts by the locale's
//     case-sensitive order; "!=", "<>", "><" are true for different values
//     or for texts that differ regardless of case; any other run is false.
bool EvaluateCondition(std::string_view text);

}  // namespace zelo
