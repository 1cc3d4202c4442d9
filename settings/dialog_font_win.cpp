#include "settings/dialog_font_win.h"

#include <windows.h>

#include "base/win32_owners_win.h"
#include "settings/defaults.h"

namespace zelo {

int DialogFontHeight() {
  const WindowDC screen(nullptr);
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  if (!screen.get() || !font) return kStandardDialogFontHeight;
  const SelectedObject selected(screen.get(), font);
  TEXTMETRICW metrics;
  if (!selected.ok() || !GetTextMetricsW(screen.get(), &metrics) || metrics.tmHeight <= 0)
    return kStandardDialogFontHeight;
  return metrics.tmHeight;
}

}  // namespace zelo
