// What the tests that search the screen share: the picture bitmap_window.exe
// shows, as a file to search for, and the variables a run saves results in.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "actions/shared/bitmap_file.h"
#include "base/win32_owners_win.h"
#include "tests/wine/harness_win.h"
#include "tests/wine/programs/test_pattern.h"

namespace zelo::test {

// The pattern as a 32-bit BMP file, with a magenta border of the given width.
inline std::string PatternBmp(int magenta_border) {
  std::string info(40, '\0'), rows;
  auto put = [](std::string* out, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) (*out)[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i));
  };
  put(&info, 0, 40);
  put(&info, 4, kPatternWidth);
  put(&info, 8, static_cast<uint32_t>(-kPatternHeight));  // top-down
  put(&info, 12, 1 | 32 << 16);
  for (int y = 0; y < kPatternHeight; ++y)
    for (int x = 0; x < kPatternWidth; ++x) {
      const bool border = x < magenta_border || y < magenta_border || x >= kPatternWidth - magenta_border ||
                          y >= kPatternHeight - magenta_border;
      const uint32_t p = border ? 0xFF00FF : PatternPixel(x, y);
      rows.append(4, '\0');
      put(&rows, rows.size() - 4, p);
    }
  return BitmapFileBytes(info, rows);
}

inline constexpr wchar_t kVariablesKey[] = L"SOFTWARE\\Zelomat\\UserVariables";

// A user variable as the run saved it; empty when it is missing.
inline std::string Variable(const std::string& name) {
  wchar_t data[256] = L"";
  DWORD bytes = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, kVariablesKey, Wide(name).c_str(), RRF_RT_REG_SZ, nullptr, data, &bytes) !=
      ERROR_SUCCESS)
    return "";
  return Narrow(data);
}

inline void DeleteVariable(const std::string& name) {
  const RegistryKey key = OpenRegistryKey(HKEY_CURRENT_USER, kVariablesKey, KEY_SET_VALUE);
  if (key) RegDeleteValueW(key.get(), Wide(name).c_str());
}

}  // namespace zelo::test
