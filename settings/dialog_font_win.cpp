#include "settings/dialog_font_win.h"

#include <windows.h>

#include "settings/defaults.h"

namespace zelo {

namespace {
// The screen's device context, released when done.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A GDI object selected into a DC for one scope; the previous one comes back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  bool ok() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
}  // namespace

int DialogFontHeight() {
  ScreenDc screen;
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  if (!screen.get() || !font) return kStandardDialogFontHeight;
  SelectedObject selected(screen.get(), font);
  TEXTMETRICW metrics;
  if (!selected.ok() || !GetTextMetricsW(screen.get(), &metrics) || metrics.tmHeight <= 0)
    return kStandardDialogFontHeight;
  return metrics.tmHeight;
}

}  // namespace zelo
