// The key names and Windows constants that field expansion replaces by
// text: "{ENTER}" and friends by their tokens, the message-box, window-style,
// system-metric and file constants by their decimal values. Order matters
// where one name contains another: the longer comes first.
#pragma once

#include <cstdint>
#include <vector>

namespace zelo {

struct KeyNameToken {
  const char* name;
  const char* text;
};
struct WindowsConstant {
  const char* name;
  uint32_t value;
};

const std::vector<KeyNameToken>& KeyNameTokens();
const std::vector<WindowsConstant>& WindowsConstants();

}  // namespace zelo
