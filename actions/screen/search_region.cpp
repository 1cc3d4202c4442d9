#include "actions/screen/search_region.h"

#include <algorithm>
#include <utility>

#include "base/text.h"

namespace zelo {

namespace {

// One corner field: the first 63 characters, two comma-separated numbers of
// at most 15 characters each.
void ReadCorner(std::string_view field, int32_t* x, int32_t* y) {
  field = field.substr(0, 63);
  const std::size_t comma = field.find(',');
  const std::string_view first = field.substr(0, comma);
  const std::string_view second = comma == std::string_view::npos ? std::string_view() : field.substr(comma + 1);
  *x = std::max<int32_t>(0, TextToInt(first.substr(0, 15)));
  *y = std::max<int32_t>(0, TextToInt(second.substr(0, 15)));
}

}  // namespace

ScreenRegion NormalizeRegion(ScreenRegion r, int32_t screen_width, int32_t screen_height) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  // The last column and row are width - 1 and height - 1: an edge at the
  // width itself would read pixels that are not on the screen.
  if (r.right == r.left) r.right = screen_width - 1;
  if (r.bottom == r.top) r.bottom = screen_height - 1;
  r.left = std::max<int32_t>(r.left, 0);
  r.top = std::max<int32_t>(r.top, 0);
  r.right = std::min<int32_t>(r.right, screen_width - 1);
  r.bottom = std::min<int32_t>(r.bottom, screen_height - 1);
  return r;
}

SearchFields ReadSearchFields(std::string_view tolerance, std::string_view start, std::string_view stop,
                              int32_t screen_width, int32_t screen_height) {
  ScreenRegion r;
  ReadCorner(start, &r.left, &r.top);
  if (stop.empty()) {
    // The far corner just past the screen: normalising cuts it to the last
    // pixel, and a start that is itself past the screen stays empty.
    if (r.left != 0 || r.top != 0) r.right = screen_width, r.bottom = screen_height;
  } else {
    ReadCorner(stop, &r.right, &r.bottom);
  }
  SearchFields fields;
  fields.region = NormalizeRegion(r, screen_width, screen_height);
  fields.tolerance = TextToInt(tolerance);
  return fields;
}

}  // namespace zelo
