// The system's text for a Windows error code: the one wording every step
// error, file error and message of the program uses for it.
#pragma once

#include <string>

namespace zelo {

// From the system message table in the default language, without its line
// end, at most 2047 characters; "System error <code>" when the table has no
// text for the code, so that the reader still learns which error it was.
std::string SystemErrorText(unsigned long code);

}  // namespace zelo
