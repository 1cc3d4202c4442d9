// What every pixel and image step does around its search ("IF Pixel is
// Visible", "IF Image is Visible", the mouse's image actions, the pixel and
// image waits): read the step's fields, check the image file, log what it
// looks for on the step's first execution, search the screen once, log the
// search, save "X, Y" of a found image as the step's result, and let the
// stop key end the search and the run.
#pragma once

#include <cstdint>
#include <string>

#include "actions/screen/screen_search.h"

namespace zelo {

class RunEngine;
struct ActionServices;

// text is the colour. Nothing is saved.
ScreenSearchResult SearchPixelForStep(RunEngine& run, const ActionServices& services, int slot, int index);
// text is the image file (BMP or PNG), found by the path search; mask is
// kMaskMagenta for the "Masked" actions, else kNoMask. A missing file sets
// the step error text and is not found; an unreadable one, or a screen that
// cannot be read, also gives the text as the result's error.
ScreenSearchResult SearchImageForStep(RunEngine& run, const ActionServices& services, int slot, int index,
                                      uint32_t mask);
// The image file at path (already found by the path search) searched
// exactly on the whole screen: tolerance 0, no mask, no scan display, as the
// window steps find the window under an image. Logs the search like the
// others; saves nothing. An unreadable file sets the step error text.
ScreenSearchResult SearchWholeScreenForStep(RunEngine& run, const ActionServices& services, int slot, int index,
                                            const std::string& path);
// The "SlowPixelScan" setting: image searches start from the top-left pixel.
bool SlowPixelScanSetting();

}  // namespace zelo
