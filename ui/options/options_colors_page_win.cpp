// "Colors/Fonts": the colours of the grid's special rows, italics and
// indents, and the Output palette's font.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <map>

#include "base/ansi_text_win.h"
#include "base/text.h"
#include "base/win32_owners_win.h"
#include "settings/defaults.h"
#include "settings/settings.h"
#include "ui/options/options_page_win.h"

namespace zelo {

namespace {

enum : int {
  kRows = 100,
  kRowSample,
  kChooseFill,
  kChooseText,
  kCommentItalic,
  kSkipItalic,
  kIndentSize,
  kIndentAll,
  kFontSample,
  kChooseFont,
};

const CheckOption kCommentItalicOption = {"Comments in italics", "Colors\\CommentItalic"};
const CheckOption kSkipItalicOption = {"Skipped steps in italics", "Colors\\SkipItalic"};
const CheckOption kIndentAllOption = {"Indent all columns", "Palettes\\MainList\\IndentAllColumns"};

class ColorsPage : public OptionsPageWin {
 public:
  const wchar_t* Title() const override { return L"Colors/Fonts"; }

  void Build(DialogTemplate& t) override {
    const short w = kPageWidth - 2 * kMargin;
    t.Group(L"Step grid", kMargin, 4, w, 112);
    t.Add(kListBoxClass, L"", kRows, LBS_NOTIFY | WS_BORDER | WS_TABSTOP | WS_VSCROLL, 14, 16, 90, 58);
    t.Add(kStaticClass, L"Sample step text", kRowSample, SS_CENTER | SS_CENTERIMAGE | WS_BORDER, 112, 16, 136, 18);
    t.Button(L"Choose Background Color", kChooseFill, 112, 40, 136);
    t.Button(L"Choose Text Color", kChooseText, 112, 58, 136);
    t.Check(AnsiToWide(kCommentItalicOption.label), kCommentItalic, 14, 80, 110);
    t.Check(AnsiToWide(kSkipItalicOption.label), kSkipItalic, 130, 80, 118);
    t.Label(L"Indent size (blanks):", 14, 99, 80);
    t.Edit(kIndentSize, 96, 97, 30, ES_NUMBER);
    t.Check(AnsiToWide(kIndentAllOption.label), kIndentAll, 140, 98, 108);
    t.Group(L"Output palette font", kMargin, 122, w, 46);
    t.Add(kStaticClass, L"", kFontSample, SS_LEFT | SS_CENTERIMAGE | WS_BORDER, 14, 136, 150, 22);
    t.Button(L"Choose Font...", kChooseFont, 172, 140, 76);
  }

  void Load(HWND page) override {
    HWND rows = GetDlgItem(page, kRows);
    SendMessageW(rows, LB_RESETCONTENT, 0, 0);
    colors_.clear();
    for (const RowColorOption& row : RowColorOptions()) {
      SendMessageW(rows, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AnsiToWide(row.label).c_str()));
      for (const char* name : {row.fill, row.text})
        if (name) colors_[name] = ReadColorOption(name);
    }
    SendMessageW(rows, LB_SETCURSEL, 0, 0);
    SetCheck(page, kCommentItalic, ReadCheckOption(kCommentItalicOption));
    SetCheck(page, kSkipItalic, ReadCheckOption(kSkipItalicOption));
    SetControlText(page, kIndentSize, std::to_string(ReadOptionOrDefault("Palettes\\MainList\\IndentSize")));
    SetCheck(page, kIndentAll, ReadCheckOption(kIndentAllOption));
    font_ = ReadOutputFont();
    ShowRow(page);
    ShowFont(page);
  }

  bool Save(HWND page) override {
    for (const auto& [name, color] : colors_) WriteNumberOption(name.c_str(), static_cast<int32_t>(color));
    WriteCheckOption(kCommentItalicOption, GetCheck(page, kCommentItalic));
    WriteCheckOption(kSkipItalicOption, GetCheck(page, kSkipItalic));
    WriteNumberOption("Palettes\\MainList\\IndentSize", IndentSizeToStore(TextToInt(GetControlText(page, kIndentSize))));
    WriteCheckOption(kIndentAllOption, GetCheck(page, kIndentAll));
    WriteOutputFont(font_);
    return false;
  }

  bool Command(HWND page, int id, int code) override {
    if (id == kRows && code == LBN_SELCHANGE) {
      ShowRow(page);
    } else if ((id == kChooseFill || id == kChooseText) && code == BN_CLICKED) {
      const RowColorOption& row = Row(page);
      PickColor(page, id == kChooseFill ? row.fill : row.text);
    } else if (id == kChooseFont && code == BN_CLICKED) {
      PickFont(page);
    } else {
      return false;
    }
    return true;
  }

  INT_PTR Other(HWND page, UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg != WM_CTLCOLORSTATIC) return 0;
    HDC dc = reinterpret_cast<HDC>(wp);
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
    if (id == kRowSample) {
      const RowColorOption& row = Row(page);
      SetTextColor(dc, row.text ? colors_[row.text] : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, row.fill ? colors_[row.fill] : GetSysColor(COLOR_WINDOW));
      sample_brush_.reset(CreateSolidBrush(row.fill ? colors_[row.fill] : GetSysColor(COLOR_WINDOW)));
      return reinterpret_cast<INT_PTR>(sample_brush_.get());
    }
    if (id == kFontSample) {
      SetTextColor(dc, font_.color);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    }
    return 0;
  }

 private:
  const RowColorOption& Row(HWND page) const {
    const auto& rows = RowColorOptions();
    const LRESULT i = SendDlgItemMessageW(page, kRows, LB_GETCURSEL, 0, 0);
    return rows[i >= 0 && static_cast<std::size_t>(i) < rows.size() ? static_cast<std::size_t>(i) : 0];
  }

  void ShowRow(HWND page) {
    const RowColorOption& row = Row(page);
    EnableWindow(GetDlgItem(page, kChooseFill), row.fill != nullptr);
    EnableWindow(GetDlgItem(page, kChooseText), row.text != nullptr);
    InvalidateRect(GetDlgItem(page, kRowSample), nullptr, TRUE);
  }

  static int ScreenDpi() {
    const WindowDC screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  }

  void ShowFont(HWND page) {
    LOGFONTW lf = Logfont(ScreenDpi());
    sample_font_.reset(CreateFontIndirectW(&lf));
    SendDlgItemMessageW(page, kFontSample, WM_SETFONT, reinterpret_cast<WPARAM>(sample_font_.get()), TRUE);
    SetControlText(page, kFontSample, " " + font_.face + ", " + std::to_string(font_.points) + " pt");
  }

  LOGFONTW Logfont(int dpi) const {
    LOGFONTW lf = {};
    lf.lfHeight = -MulDiv(font_.points, dpi, 72);
    lf.lfWeight = font_.weight;
    lf.lfItalic = font_.italic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, AnsiToWide(font_.face).c_str(), LF_FACESIZE);
    return lf;
  }

  void PickColor(HWND page, const char* setting) {
    if (!setting) return;
    static COLORREF custom[16];
    CHOOSECOLORW cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = GetParent(page);
    cc.rgbResult = colors_[setting];
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc)) return;
    colors_[setting] = cc.rgbResult;
    ShowRow(page);
    PropSheet_Changed(GetParent(page), page);
  }

  void PickFont(HWND page) {
    LOGFONTW lf = Logfont(ScreenDpi());
    CHOOSEFONTW cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = GetParent(page);
    cf.lpLogFont = &lf;
    cf.rgbColors = font_.color;
    cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    if (!ChooseFontW(&cf)) return;
    font_.face = WideToAnsi(lf.lfFaceName);
    font_.points = cf.iPointSize / 10;
    font_.weight = lf.lfWeight;
    font_.italic = lf.lfItalic != 0;
    font_.color = cf.rgbColors;
    ShowFont(page);
    PropSheet_Changed(GetParent(page), page);
  }

  std::map<std::string, uint32_t> colors_;  // by setting name: the values the page will write
  OutputFont font_;
  GdiObject<HBRUSH> sample_brush_;
  GdiObject<HFONT> sample_font_;
};

}  // namespace

std::unique_ptr<OptionsPageWin> MakeColorsPage() { return std::make_unique<ColorsPage>(); }

}  // namespace zelo
