#include "ui/main/glyphs_win.h"

#include "base/win32_owners_win.h"
#include "ui/command_ids.h"

namespace zelo {

namespace {

constexpr int kSize = 16;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// A pen-and-brush painter over one 16x16 cell of a bitmap.
class Painter {
 public:
  Painter(HDC dc, int x) : dc_(dc), x_(x) {}
  void Rect(int l, int t, int r, int b, COLORREF fill, COLORREF edge) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, edge));
    SelectedObject sb(dc_, brush.get()), sp(dc_, pen.get());
    Rectangle(dc_, x_ + l, t, x_ + r, b);
  }
  void Ellipse_(int l, int t, int r, int b, COLORREF fill, COLORREF edge) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, edge));
    SelectedObject sb(dc_, brush.get()), sp(dc_, pen.get());
    Ellipse(dc_, x_ + l, t, x_ + r, b);
  }
  void Poly(std::initializer_list<POINT> points, COLORREF fill) {
    std::vector<POINT> p(points);
    for (POINT& q : p) q.x += x_;
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, fill));
    SelectedObject sb(dc_, brush.get()), sp(dc_, pen.get());
    Polygon(dc_, p.data(), static_cast<int>(p.size()));
  }
  void Line(int x1, int y1, int x2, int y2, COLORREF colour, int width = 1) {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, colour));
    SelectedObject sp(dc_, pen.get());
    MoveToEx(dc_, x_ + x1, y1, nullptr);
    LineTo(dc_, x_ + x2, y2);
  }
  void Letter(const wchar_t* text, COLORREF colour, int height = 13) {
    GdiObject<HFONT> font(CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY,
                                      0, L"Arial"));
    SelectedObject sf(dc_, font.get());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, colour);
    RECT r = {x_, 0, x_ + kSize, kSize};
    DrawTextW(dc_, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

 private:
  HDC dc_;
  int x_;
};

const COLORREF kInk = RGB(40, 40, 40), kPaper = RGB(255, 255, 255), kGreen = RGB(0, 150, 0),
               kRed = RGB(200, 30, 30), kBlue = RGB(30, 80, 190), kGrey = RGB(120, 120, 120),
               kYellow = RGB(240, 200, 60);

void Page(Painter& p, int l = 3, int t = 1) {
  p.Rect(l, t, l + 10, t + 14, kPaper, kInk);
  p.Line(l + 2, t + 4, l + 8, t + 4, kGrey);
  p.Line(l + 2, t + 7, l + 8, t + 7, kGrey);
}

void Arrow(Painter& p, int direction, COLORREF c) {  // 0 up, 1 down, 2 left, 3 right
  switch (direction) {
    case 0: p.Poly({{8, 2}, {14, 9}, {10, 9}, {10, 14}, {6, 14}, {6, 9}, {2, 9}}, c); break;
    case 1: p.Poly({{8, 14}, {14, 7}, {10, 7}, {10, 2}, {6, 2}, {6, 7}, {2, 7}}, c); break;
    case 2: p.Poly({{2, 8}, {9, 2}, {9, 6}, {14, 6}, {14, 10}, {9, 10}, {9, 14}}, c); break;
    default: p.Poly({{14, 8}, {7, 2}, {7, 6}, {2, 6}, {2, 10}, {7, 10}, {7, 14}}, c); break;
  }
}

void DrawCommand(Painter& p, int command) {
  switch (command) {
    case CMD_NEW: Page(p); p.Line(9, 1, 13, 5, kInk); break;
    case CMD_OPEN:
      p.Rect(1, 4, 14, 14, kYellow, kInk);
      p.Rect(1, 3, 7, 5, kYellow, kInk);
      break;
    case CMD_SAVE:
      p.Rect(1, 1, 15, 15, kBlue, kInk);
      p.Rect(4, 2, 12, 7, kPaper, kPaper);
      p.Rect(5, 10, 11, 15, kGrey, kGrey);
      break;
    case CMD_XML_REPORT: Page(p); p.Letter(L"x", kRed, 10); break;
    case CMD_CUT:
      p.Line(4, 1, 11, 10, kInk, 2);
      p.Line(12, 1, 5, 10, kInk, 2);
      p.Ellipse_(1, 9, 7, 15, kPaper, kInk);
      p.Ellipse_(9, 9, 15, 15, kPaper, kInk);
      break;
    case CMD_COPY: Page(p, 1, 0); Page(p, 5, 2); break;
    case CMD_PASTE:
      p.Rect(2, 2, 13, 15, RGB(180, 130, 70), kInk);
      p.Rect(5, 1, 10, 4, kGrey, kInk);
      p.Rect(6, 6, 14, 15, kPaper, kInk);
      break;
    case CMD_DELETE:
      p.Line(3, 3, 13, 13, kRed, 3);
      p.Line(13, 3, 3, 13, kRed, 3);
      break;
    case CMD_UNDO:
      p.Line(4, 7, 10, 7, kBlue, 2);
      p.Line(10, 7, 13, 10, kBlue, 2);
      p.Line(13, 10, 13, 13, kBlue, 2);
      p.Poly({{1, 7}, {6, 2}, {6, 12}}, kBlue);
      break;
    case CMD_RUN: p.Poly({{4, 2}, {13, 8}, {4, 14}}, kGreen); break;
    case CMD_RUN_FROM_HERE:
      p.Rect(2, 2, 4, 14, kInk, kInk);
      p.Poly({{6, 2}, {14, 8}, {6, 14}}, kGreen);
      break;
    case CMD_RUN_SINGLE_STEP:
      p.Poly({{2, 2}, {10, 8}, {2, 14}}, kGreen);
      p.Rect(11, 2, 14, 14, kInk, kInk);
      break;
    case CMD_PAUSE:
      p.Rect(3, 2, 7, 14, kBlue, kBlue);
      p.Rect(9, 2, 13, 14, kBlue, kBlue);
      break;
    case CMD_SKIP:
      p.Line(2, 12, 14, 12, kGrey, 2);
      p.Line(3, 10, 8, 4, kInk, 2);
      p.Line(8, 4, 12, 8, kInk, 2);
      p.Poly({{10, 9}, {14, 9}, {14, 5}}, kInk);
      break;
    case CMD_BREAKPOINT: p.Ellipse_(2, 2, 14, 14, kRed, RGB(120, 0, 0)); break;
    case CMD_MOVE_UP: Arrow(p, 0, kBlue); break;
    case CMD_MOVE_DOWN: Arrow(p, 1, kBlue); break;
    case CMD_UNINDENT:
      p.Line(8, 4, 15, 4, kInk);
      p.Line(8, 8, 15, 8, kInk);
      p.Line(8, 12, 15, 12, kInk);
      p.Poly({{1, 8}, {6, 4}, {6, 12}}, kBlue);
      break;
    case CMD_INDENT:
      p.Line(8, 4, 15, 4, kInk);
      p.Line(8, 8, 15, 8, kInk);
      p.Line(8, 12, 15, 12, kInk);
      p.Poly({{6, 8}, {1, 4}, {1, 12}}, kBlue);
      break;
    case CMD_AUTO_INDENT:
      p.Line(2, 8, 6, 12, kGreen, 3);
      p.Line(6, 12, 14, 3, kGreen, 3);
      break;
    case CMD_COMPILE:
      p.Rect(1, 3, 15, 13, RGB(230, 230, 230), kInk);
      p.Letter(L"exe", kInk, 8);
      break;
    case CMD_OPTIONS:
      p.Ellipse_(2, 2, 14, 14, kGrey, kInk);
      p.Ellipse_(6, 6, 10, 10, kPaper, kInk);
      break;
    case CMD_HELP:
      p.Ellipse_(1, 1, 15, 15, kBlue, kBlue);
      p.Letter(L"?", kPaper, 12);
      break;
    case CMD_KEEP_ON_TOP:
      p.Line(8, 8, 8, 15, kInk, 2);
      p.Ellipse_(4, 1, 12, 9, kRed, RGB(120, 0, 0));
      break;
    default: p.Letter(L"?", kInk); break;
  }
}

// Every picture is drawn on a strip of mask colour, which becomes transparent.
template <typename Draw>
HIMAGELIST MakeImages(int count, Draw draw) {
  WindowDC screen(nullptr);
  MemoryDC dc(CreateCompatibleDC(screen.get()));
  GdiObject<HBITMAP> strip(CreateCompatibleBitmap(screen.get(), kSize * count, kSize));
  if (!dc || !strip) return nullptr;
  {
    SelectedObject selected(dc.get(), strip.get());
    GdiObject<HBRUSH> mask(CreateSolidBrush(kMaskColour));
    RECT all = {0, 0, kSize * count, kSize};
    FillRect(dc.get(), &all, mask.get());
    for (int i = 0; i < count; ++i) {
      Painter p(dc.get(), i * kSize);
      draw(p, i);
    }
  }
  HIMAGELIST list = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, count, 4);
  if (list) ImageList_AddMasked(list, strip.get(), kMaskColour);
  return list;
}

// A colour per category, so that blocks of one kind stand out in the grid.
COLORREF CategoryColour(int category) {
  static const COLORREF colours[] = {
      RGB(230, 180, 0),  RGB(0, 120, 215),  RGB(0, 160, 80),   RGB(200, 90, 0),  RGB(140, 60, 180),
      RGB(0, 150, 150),  RGB(90, 90, 90),   RGB(200, 40, 120), RGB(120, 120, 0), RGB(60, 60, 200),
      RGB(0, 110, 60),   RGB(160, 100, 40), RGB(30, 140, 200), RGB(200, 0, 0),   RGB(100, 40, 140),
      RGB(60, 130, 60),  RGB(150, 60, 60),  RGB(80, 80, 160)};
  return colours[(category - 1 + 18) % 18];
}

}  // namespace

HIMAGELIST MakeToolbarImages(const std::vector<int>& commands) {
  return MakeImages(static_cast<int>(commands.size()), [&](Painter& p, int i) { DrawCommand(p, commands[i]); });
}

HIMAGELIST MakeRowImages() {
  return MakeImages(ROW_IMAGE_CATEGORY_1 + kRowImageCategories, [](Painter& p, int i) {
    switch (i) {
      case ROW_IMAGE_SKIP: DrawCommand(p, CMD_SKIP); break;
      case ROW_IMAGE_BREAKPOINT: DrawCommand(p, CMD_BREAKPOINT); break;
      case ROW_IMAGE_BOOKMARK:
        p.Poly({{4, 1}, {12, 1}, {12, 15}, {8, 11}, {4, 15}}, kBlue);
        break;
      default: {
        const COLORREF c = CategoryColour(i - ROW_IMAGE_CATEGORY_1 + 1);
        p.Rect(3, 3, 13, 13, c, RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2));
        break;
      }
    }
  });
}

}  // namespace zelo
