// The pictures of the actions: one 16x16 image per icon index of the
// catalogue (a tile in its category's colour with the category's initial),
// then a folder and a blank picture. The grid may show steps with the same
// list, since steps carry the same icon indexes.
#pragma once

#include "base/win32_owners_win.h"

namespace zelo {

struct ActionImages {
  OwnedImageList list;
  int folder = 0;  // the picture of a category folder
  int blank = 0;   // for leaves that are no action (the favourites placeholder)
};

ActionImages CreateActionImages();

}  // namespace zelo
