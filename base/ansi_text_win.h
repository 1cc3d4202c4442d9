// The program keeps single-byte ANSI text; Windows is called through its
// UTF-16 ("W") entry points. These convert at that boundary with the ANSI
// code page. Embedded NUL characters are converted like any other.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

std::wstring AnsiToWide(std::string_view text);
// Characters the ANSI code page lacks become its default character ("?").
std::string WideToAnsi(std::wstring_view text);

}  // namespace zelo
