#include "actions/wait/screen_access_finder.h"

#include "actions/screen/screen_steps.h"

namespace zelo {

namespace {

ScreenSearchFields ScreenFieldsOf(const WaitSearchFields& f) {
  ScreenSearchFields fields;
  fields.tolerance = f.tolerance;
  fields.start = f.start;
  fields.stop = f.stop;
  fields.show_scan = f.scan_display;
  return fields;
}

ScreenFind FindOf(ScreenSearchResult r) {
  ScreenFind find;
  find.outcome = r.stopped ? FindOutcome::Stopped : r.found ? FindOutcome::Found : FindOutcome::NotFound;
  find.x = r.x;
  find.y = r.y;
  find.log = std::move(r.log);
  find.error = std::move(r.error);
  return find;
}

}  // namespace

ScreenFind CapturingScreenFinder::FindPixel(uint32_t colorref, const WaitSearchFields& fields, const WaitStop& stop) {
  return FindOf(FindPixelOnScreen(screen_, colorref, ScreenFieldsOf(fields), stop));
}

ScreenFind CapturingScreenFinder::FindImage(const std::string& path, uint32_t mask, const WaitSearchFields& fields,
                                            const WaitStop& stop) {
  BitmapPixels image;
  std::string unreadable = LoadSearchImage(path, &image);
  if (!unreadable.empty()) {
    ScreenFind none;
    none.error = std::move(unreadable);
    return none;
  }
  return FindOf(FindImageOnScreen(screen_, image, mask, SlowPixelScanSetting(), ScreenFieldsOf(fields), stop));
}

}  // namespace zelo
