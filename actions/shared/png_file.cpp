#include "actions/shared/png_file.h"

namespace zelo {

bool IsPngFile(std::string_view data) { return data.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8); }

}  // namespace zelo
