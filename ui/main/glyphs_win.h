// The program's small pictures, drawn at start-up rather than shipped as
// resources: the toolbar's buttons and the step grid's row marks and
// category pictures (16x16, masked).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace zelo {

// One picture per command id, in the order given.
HIMAGELIST MakeToolbarImages(const std::vector<int>& commands);

// Row pictures: the marks first, then one per action category.
enum RowImage : int { ROW_IMAGE_SKIP, ROW_IMAGE_BREAKPOINT, ROW_IMAGE_BOOKMARK, ROW_IMAGE_CATEGORY_1 };
inline constexpr int kRowImageCategories = 18;
HIMAGELIST MakeRowImages();

}  // namespace zelo
