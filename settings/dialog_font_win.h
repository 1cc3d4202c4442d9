// The height of the font Windows gives dialogs, which sizes the rows of the
// properties grid.
#pragma once

namespace zelo {

// Character cell height in pixels of the default dialog font on the screen;
// kStandardDialogFontHeight when the screen cannot be measured.
int DialogFontHeight();

}  // namespace zelo
