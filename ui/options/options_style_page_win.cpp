// "UI Style": the look of the menus and palettes and of the step grid; both
// show after a restart.
#include "settings/defaults.h"
#include "ui/options/options_page_win.h"

namespace zelo {

namespace {

enum : int { kStyle = 100, kGridStyle };
constexpr char kGridStyleSetting[] = "Palettes\\MainList\\GridStyle";

class UiStylePage : public OptionsPageWin {
 public:
  const wchar_t* Title() const override { return L"UI Style"; }

  void Build(DialogTemplate& t) override {
    t.Label(L"Interface style:", kMargin, 10, 80);
    t.DropList(kStyle, 90, 8, 120);
    t.Label(L"Step grid:", kMargin, 28, 80);
    t.DropList(kGridStyle, 90, 26, 120);
    t.Label(L"Changes to the style take effect when Zelomat starts again.", kMargin, 50, kPageWidth - 2 * kMargin, 16);
  }

  void Load(HWND page) override {
    const std::vector<std::string> styles(std::begin(kInterfaceStyles), std::end(kInterfaceStyles));
    std::vector<std::string> shown = styles;
    const std::string style = ReadInterfaceStyle();
    int selected = -1;
    for (std::size_t i = 0; i < styles.size(); ++i)
      if (styles[i] == style) selected = static_cast<int>(i);
    if (selected < 0) {  // a style this build does not name stays as it is
      shown.push_back(style);
      selected = static_cast<int>(shown.size()) - 1;
    }
    FillDropList(page, kStyle, shown, selected);
    const int grid = ReadOptionOrDefault(kGridStyleSetting);
    FillDropList(page, kGridStyle, {std::begin(kGridStyles), std::end(kGridStyles)}, grid >= 0 && grid <= 2 ? grid : -1);
  }

  bool Save(HWND page) override {
    bool changed = WriteInterfaceStyle(DropListText(page, kStyle));
    const int grid = DropListSelection(page, kGridStyle);
    if (grid >= 0) changed = WriteNumberOption(kGridStyleSetting, grid) || changed;
    return changed;
  }
};

}  // namespace

std::unique_ptr<OptionsPageWin> MakeUiStylePage() { return std::make_unique<UiStylePage>(); }

}  // namespace zelo
