// The Properties palette's picking tools: choosers and the pointer tools
// that read a window, a point or a colour from the screen, the capture of a
// window or region into an image file and the preview of an image file.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/win32_owners_win.h"

namespace zelo {

// The tooltip texts of the tools.
inline constexpr wchar_t kChooseFileTip[] = L"Choose File";
inline constexpr wchar_t kChooseFolderTip[] = L"Choose Folder";
inline constexpr wchar_t kFindWindowTip[] = L"Find Window\n(press and hold to choose window)";
inline constexpr wchar_t kDropperTip[] = L"Dropper to select a pixel color";
inline constexpr wchar_t kMouseTip[] = L"Mouse Coordinates\n(press and hold to choose coordinates)";
inline constexpr wchar_t kMouseInWindowTip[] =
    L"Mouse Coordinates inside window\n(press and hold to choose coordinates)";
inline constexpr wchar_t kCaptureTip[] = L"Capture Window or Screen Image";
inline constexpr wchar_t kPreviewTip[] = L"Preview the image file";

// The system's file and folder dialogs; false when cancelled.
bool ChooseFile(HWND owner, const std::string& current, bool images, std::string* chosen);
bool ChooseFolder(HWND owner, const std::string& current, std::string* chosen);
// Where an image capture goes (the save dialog, BMP files); false when cancelled.
bool ChooseCaptureFile(HWND owner, const std::string& current, std::string* chosen);

// The window under a screen point as a window spec for the step's options:
// the control itself when the spec names a control (or `control` is set),
// else its top-level window. Empty when no window is there.
std::string PickWindowSpec(POINT screen, std::string_view options, bool control);
// The point relative to the top-left corner of the top-level window under it.
POINT PointInWindow(POINT screen);
// The screen pixel's colour as the pixel actions read it.
std::string PickColorText(POINT screen);

// Dims the screen and lets the user click a window or drag over a region;
// false when Escape or the right button cancelled.
bool PickScreenRegion(POINT* from, POINT* to);
// Captures the window under `from` when the pointer did not move, else the
// rectangle from `from` to `to`, into a BMP file. False when nothing was written.
bool CaptureToImageFile(POINT from, POINT to, const std::string& file);

// Shows an image file (BMP or PNG) in a small window of its own; false, with
// the reason in *error, when the file cannot be read or decoded. The window
// goes with `preview` (a new preview replaces the last).
bool PreviewImageFile(HWND owner, const std::string& file, OwnedWindow* preview, std::string* error);

}  // namespace zelo
