// How texts are ordered when a condition compares words rather than numbers:
// as the user's locale orders them. The Windows build installs the system's
// collation; elsewhere a portable one stands in for it.
#pragma once

#include <string_view>

namespace zelo {

// Negative, 0 or positive as a sorts before, with or after b.
using TextCollator = int (*)(std::string_view a, std::string_view b, bool ignore_case);

// Installs the program-wide collation; nullptr goes back to the portable one.
void UseTextCollator(TextCollator collator);

// Compares with the installed collation.
int CollateText(std::string_view a, std::string_view b, bool ignore_case);

// The portable collation, close to the system's default for Western text:
// symbols and blanks before digits, digits before letters, letters
// alphabetically regardless of case, bytes above 127 last; among texts that
// differ only in letter case the first difference decides, lower case first.
// Letter case follows code page 1252.
int PortableCollateText(std::string_view a, std::string_view b, bool ignore_case);

}  // namespace zelo
