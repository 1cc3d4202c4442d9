// Replace-all without regard to ASCII case, the operation most expansion
// stages are made of. Occurrences are found left to right; the search goes
// on after each inserted text, so a replacement is never searched again.
// The result is built in one pass, whatever the number of occurrences.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/text.h"

namespace zelo {

// Returns the number of replacements.
std::size_t ReplaceAllNoCase(std::string& text, std::string_view find, std::string_view with);

// The same, with the replacement made by make() only when find occurs, so
// that system facts are gathered only for the tokens a field uses.
template <class Make>
std::size_t ReplaceTokenNoCase(std::string& text, std::string_view token, Make&& make) {
  if (FindNoCase(text, token) == std::string_view::npos) return 0;
  const std::string value = make();
  return ReplaceAllNoCase(text, token, value);
}

}  // namespace zelo
