#include "ui/palettes/action_icons_win.h"

#include <algorithm>
#include <vector>

#include "model/catalogue.h"

namespace zelo {

namespace {

constexpr int kSize = 16;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// One colour per category, far enough apart to tell folders' actions apart.
COLORREF CategoryColour(int category) {
  static const COLORREF colours[] = {
      RGB(200, 160, 0),  RGB(30, 110, 200), RGB(40, 140, 70),  RGB(120, 80, 170), RGB(200, 90, 30),
      RGB(150, 120, 60), RGB(180, 40, 60),  RGB(60, 130, 140), RGB(90, 90, 90),   RGB(20, 90, 160),
      RGB(120, 40, 120), RGB(0, 120, 110),  RGB(170, 70, 130), RGB(70, 110, 40),  RGB(100, 60, 30),
      RGB(40, 60, 130),
  };
  const int i = std::clamp(category - 2, 0, static_cast<int>(sizeof colours / sizeof colours[0]) - 1);
  return colours[i];
}

void DrawTile(HDC dc, int x, COLORREF colour, wchar_t letter, HFONT font) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  const SelectedObject selected_brush(dc, brush.get());
  const SelectedObject selected_pen(dc, GetStockObject(NULL_PEN));
  RoundRect(dc, x + 1, 1, x + kSize, kSize, 5, 5);
  const SelectedObject selected_font(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT r = {x + 1, 1, x + kSize, kSize};
  DrawTextW(dc, &letter, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawFolder(HDC dc, int x) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(240, 200, 80)));
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(150, 110, 20)));
  const SelectedObject selected_brush(dc, brush.get());
  const SelectedObject selected_pen(dc, pen.get());
  const POINT tab[] = {{x + 1, 3}, {x + 6, 3}, {x + 8, 5}, {x + 8, 6}, {x + 1, 6}};
  Polygon(dc, tab, 5);
  Rectangle(dc, x + 1, 5, x + 15, 14);
}

}  // namespace

ActionImages CreateActionImages() {
  std::size_t count = 0;
  const CatalogueEntry* entries = CatalogueEntries(&count);
  // The folder each icon index is first listed in.
  std::vector<int> icon_folder;
  for (std::size_t i = 0; i < count; ++i) {
    const int icon = entries[i].icon;
    if (icon < 0) continue;
    if (static_cast<std::size_t>(icon) >= icon_folder.size()) icon_folder.resize(static_cast<std::size_t>(icon) + 1, 0);
    if (icon_folder[static_cast<std::size_t>(icon)] == 0) icon_folder[static_cast<std::size_t>(icon)] = entries[i].folder;
  }
  ActionImages images;
  const int total = static_cast<int>(icon_folder.size()) + 2;
  images.folder = total - 2;
  images.blank = total - 1;
  images.list.reset(ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, total, 0));
  if (!images.list) return images;

  const WindowDC screen(nullptr);
  const MemoryDC dc(CreateCompatibleDC(screen.get()));
  const GdiObject<HBITMAP> strip(CreateCompatibleBitmap(screen.get(), kSize * total, kSize));
  const GdiObject<HFONT> font(CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                          DEFAULT_PITCH | FF_SWISS, L"Arial"));
  if (!dc || !strip) return images;
  {
    const SelectedObject selected(dc.get(), strip.get());
    const GdiObject<HBRUSH> mask(CreateSolidBrush(kMaskColour));
    RECT all = {0, 0, kSize * total, kSize};
    FillRect(dc.get(), &all, mask.get());
    for (std::size_t icon = 0; icon < icon_folder.size(); ++icon) {
      const int folder = icon_folder[icon];
      const CategoryInfo* category = FindCategory(folder);
      const wchar_t letter = category ? static_cast<wchar_t>(category->name[0]) : L'?';
      DrawTile(dc.get(), static_cast<int>(icon) * kSize, CategoryColour(folder), letter, font.get());
    }
    DrawFolder(dc.get(), images.folder * kSize);
  }
  // The strip is deselected before the list copies it.
  ImageList_AddMasked(images.list.get(), strip.get(), kMaskColour);
  return images;
}

}  // namespace zelo
