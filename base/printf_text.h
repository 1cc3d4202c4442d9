// printf-style formatting into a std::string of whatever length it needs, for
// the program's message texts (file names make them longer than any fixed buffer).
#pragma once

#include <string>

namespace zelo {

std::string PrintfText(const char* pattern, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace zelo
