// Small single-byte text helpers shared by every layer: the case-insensitive
// substring test that option words and action names rely on, trimming, and
// the lenient integer reading used throughout the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelo {

char AsciiLower(char c);
bool EqualsNoCase(std::string_view a, std::string_view b);
// Position of needle in hay at or after from, ignoring ASCII case; npos when absent.
std::size_t FindNoCase(std::string_view hay, std::string_view needle, std::size_t from = 0);
inline bool ContainsNoCase(std::string_view hay, std::string_view needle) {
  return FindNoCase(hay, needle) != std::string_view::npos;
}
// Removes leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanks(std::string_view s);

// Lenient integer reading: "0x" + digit reads hexadecimal; otherwise the digits
// and minus signs of the whole text are collected and read as a decimal number.
// "1,234" -> 1234, "abc12" -> 12, "1.5" -> 15, "12-3" -> 12, "" -> 0.
int32_t TextToInt(std::string_view text);

}  // namespace zelo
