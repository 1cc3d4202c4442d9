// The system's message text for a Win32 error code.
#pragma once

#include <string>

namespace zelo {

// FormatMessage's text in the ANSI code page, from the system message table in
// the default language, without its line end, at most 2047 characters;
// "Error <code>" when the table has none.
std::string WinErrorText(unsigned long code);
// WinErrorText of GetLastError().
std::string LastWinErrorText();

}  // namespace zelo
