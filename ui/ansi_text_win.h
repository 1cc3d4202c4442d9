// Conversion between the program's single-byte (ANSI code page) text and the
// UTF-16 text of the "W" entry points, done only at the Win32 boundary.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

std::wstring AnsiToWide(std::string_view text);
// Characters the ANSI code page lacks become the system's default character.
std::string WideToAnsi(std::wstring_view text);

}  // namespace zelo
