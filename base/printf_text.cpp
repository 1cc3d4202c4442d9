#include "base/printf_text.h"

#include <cstdarg>
#include <cstdio>

namespace zelo {

std::string PrintfText(const char* pattern, ...) {
  va_list ap;
  va_start(ap, pattern);
  va_list again;
  va_copy(again, ap);
  char small[256];
  const int n = std::vsnprintf(small, sizeof small, pattern, ap);
  va_end(ap);
  std::string out;
  if (n < 0) {
    va_end(again);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof small) {
    out.assign(small, static_cast<std::size_t>(n));
  } else {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(&out[0], out.size(), pattern, again);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(again);
  return out;
}

}  // namespace zelo
