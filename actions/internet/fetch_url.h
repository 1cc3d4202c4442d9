// The page fetch of the Internet actions, also used by the editor's update
// check: a URL read over WinINet with the user agent "Zelomat".
#pragma once

#include <cstddef>
#include <string>

namespace zelo {

// Reads url into *body, keeping at most limit bytes; returns the number of
// bytes received (0 on failure, with the reason in *error).
std::size_t FetchUrl(const std::string& url, std::string* body, std::size_t limit, std::string* error);

}  // namespace zelo
