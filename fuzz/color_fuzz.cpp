// Fuzzes the colour text of the pixel search steps: every text gives a
// 24-bit colour, and that colour written as six hex digits reads back as itself.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "actions/screen/screen_color.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const uint32_t c = zelo::ParseColor(text);
  Check(c <= zelo::kRgbMask);
  char hex[8];
  std::snprintf(hex, sizeof hex, "%06X", zelo::SwapRedBlue(c));
  Check(zelo::ParseColor(hex) == c);
  return 0;
}
