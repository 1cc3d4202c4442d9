#include "expr/text_collation_win.h"

#include <windows.h>

#include <climits>

#include "base/ansi_text_win.h"

namespace zelo {

int SystemCollateText(std::string_view a, std::string_view b, bool ignore_case) {
  std::wstring wa = AnsiToWide(a), wb = AnsiToWide(b);
  if (wa.size() > INT_MAX || wb.size() > INT_MAX) return wa.compare(wb);
  int r = CompareStringW(LOCALE_USER_DEFAULT, ignore_case ? NORM_IGNORECASE : 0, wa.data(),
                         static_cast<int>(wa.size()), wb.data(), static_cast<int>(wb.size()));
  // 0 only for invalid arguments; the code point order then still decides.
  if (r == 0) return wa.compare(wb);
  return r - CSTR_EQUAL;
}

}  // namespace zelo
