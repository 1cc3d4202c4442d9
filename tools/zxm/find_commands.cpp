// zxm find-image SCREEN NEEDLE and zxm find-pixel SCREEN COLOR: the
// program's image and pixel searches with an image file (BMP or PNG) as the
// screen, so that images can be tried without Windows and searches compared
// with other tools on the same files. The position found goes to stdout as
// "X, Y" (exit 0), nothing when there is none (exit 1); the search's log
// lines go to stderr; a file that cannot be read gives its reason and exit 2.
#include <cstdio>
#include <cstring>
#include <string>

#include "actions/screen/screen_color.h"
#include "actions/screen/screen_search.h"
#include "actions/shared/png_file.h"
#include "model/file_access.h"
#include "tools/zxm/zxm_commands.h"

namespace zelo::zxm {

namespace {

// Screens far larger than any monitor are refused before they are decoded.
constexpr int32_t kLargestScreen = 32768;

// An image file standing in for the screen; nothing is drawn on it.
class FileScreen : public UnwatchedScreen {
 public:
  explicit FileScreen(const BitmapPixels& image) : image_(image) {}
  void ScreenSize(int32_t* width, int32_t* height) override {
    *width = image_.width;
    *height = image_.height;
  }
  bool Capture(const ScreenRegion&, ScreenFrame* frame) override {
    *frame = ScreenFrame{image_.pixels.data(), image_.width, image_.height, image_.width, 0, 0};
    return true;
  }

 private:
  const BitmapPixels& image_;
};

std::string LoadScreenImage(const std::string& path, BitmapPixels* image) {
  std::string bytes, why;
  const ReadResult read = ReadWholeFile(path, &bytes);
  if (read == ReadResult::Missing) return "Unable to read image '" + path + "': the file does not exist";
  if (read != ReadResult::Ok) return "Unable to read image '" + path + "': the file cannot be read";
  const bool ok = IsPngFile(bytes) ? DecodePng(bytes, kLargestScreen, kLargestScreen, image, &why)
                                   : DecodeBitmap(bytes, image, &why);
  if (ok) {
    for (uint32_t& p : image->pixels) p &= kRgbMask;  // a screen has no transparent pixels
    return {};
  }
  return "Unable to read image '" + path + "': " + why;
}

struct FindOptions {
  std::string screen, target, tolerance, from, to;
  bool masked = false, slow_scan = false;
};

// The two positional arguments and the options; false on anything else.
bool ParseFindArguments(const Arguments& args, bool image_options, FindOptions* o) {
  int positional = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "--tolerance" && has_value) {
      o->tolerance = args[++i];
    } else if (a == "--from" && has_value) {
      o->from = args[++i];
    } else if (a == "--to" && has_value) {
      o->to = args[++i];
    } else if (a == "--masked" && image_options) {
      o->masked = true;
    } else if (a == "--slow-scan" && image_options) {
      o->slow_scan = true;
    } else if (a.rfind("--", 0) == 0 || positional == 2) {
      return false;
    } else {
      (positional++ == 0 ? o->screen : o->target) = a;
    }
  }
  return positional == 2;
}

// The log's CR LF line ends become plain ones on a terminal.
void PrintLog(const std::string& log) {
  std::string text;
  for (char c : log)
    if (c != '\r') text += c;
  std::fputs(text.c_str(), stderr);
}

int Report(const ScreenSearchResult& r) {
  PrintLog(r.log);
  if (!r.found) return kExitMessages;
  std::printf("%d, %d\n", r.x, r.y);
  return kExitOk;
}

ScreenSearchFields FieldsOf(const FindOptions& o) {
  ScreenSearchFields f;
  f.tolerance = o.tolerance;
  f.start = o.from;
  f.stop = o.to;
  return f;
}

}  // namespace

int RunFindImage(const Arguments& args) {
  FindOptions o;
  if (!ParseFindArguments(args, true, &o)) {
    std::fprintf(stderr,
                 "usage: zxm find-image SCREEN NEEDLE [--tolerance N] [--masked] [--from X,Y] [--to X,Y] "
                 "[--slow-scan]\n");
    return kExitUsage;
  }
  BitmapPixels screen, needle;
  std::string error = LoadScreenImage(o.screen, &screen);
  if (error.empty()) error = LoadSearchImage(o.target, &needle);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitUsage;
  }
  FileScreen file(screen);
  return Report(FindImageOnScreen(file, needle, o.masked ? kMaskMagenta : kNoMask, o.slow_scan, FieldsOf(o), {}));
}

int RunFindPixel(const Arguments& args) {
  FindOptions o;
  if (!ParseFindArguments(args, false, &o)) {
    std::fprintf(stderr, "usage: zxm find-pixel SCREEN COLOR [--tolerance N] [--from X,Y] [--to X,Y]\n");
    return kExitUsage;
  }
  BitmapPixels screen;
  const std::string error = LoadScreenImage(o.screen, &screen);
  if (!error.empty()) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return kExitUsage;
  }
  FileScreen file(screen);
  return Report(FindPixelOnScreen(file, ParseColor(o.target), FieldsOf(o), {}));
}

}  // namespace zelo::zxm
