// The system's own text for an error code, as steps report it.
#pragma once

#include <windows.h>

#include <string>

namespace zelo {

// From the system message table in the default language, at most 2047
// characters; a generic text with the number when the table has none.
std::string SystemMessageText(DWORD error);

}  // namespace zelo
