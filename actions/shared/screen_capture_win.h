// CaptureToBitmapFile: a window, a rectangle or the whole screen, copied from
// the screen and written as an uncompressed BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace zelo {

// With a window: its screen rectangle; with a rectangle: that rectangle
// (corners put in order); with neither: the whole primary screen. An
// existing file of that name is deleted first. Returns 1 when the file was
// written, 0 otherwise (empty name, no bitmap, no file).
int CaptureToBitmapFile(HWND window, const RECT* rect, const std::string& file_name);

}  // namespace zelo
