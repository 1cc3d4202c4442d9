// Windows as the portable code holds them: numbers, turned back into handles
// only at the Win32 boundary.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zelo {

inline HWND AsWindow(uint64_t window) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(window)); }
inline uint64_t AsNumber(HWND window) { return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(window)); }

}  // namespace zelo
