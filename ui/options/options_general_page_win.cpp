// "General": new steps, the properties field size, undo, tips, and the
// reset of all settings.
#include <iterator>

#include "base/ansi_text_win.h"
#include "base/text.h"
#include "expr/variable_store.h"
#include "model/editor_options.h"
#include "settings/defaults.h"
#include "settings/dialog_font_win.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "settings/settings_reset.h"
#include "ui/options/option_control_ids.h"
#include "ui/options/options_page_win.h"

namespace zelo {

namespace {

using namespace option_ids;
constexpr int kChecks = kGeneralChecks;
constexpr int kReset = kResetAll;

const CheckOption kGeneralChecks[] = {
    {"Always show system variables", "AlwaysShowSysVars"},
    {"Minimize Zelomat while picking a window", "MinimizeFindWin"},
    {"Show the splash screen at start", "ShowSplash"},
};

class GeneralPage : public OptionsPageWin {
 public:
  const wchar_t* Title() const override { return L"General"; }

  void Build(DialogTemplate& t) override {
    t.Group(L"New steps", kMargin, 4, kPageWidth - 2 * kMargin, 72);
    t.Label(L"Failure mode:", 14, 19, 60);
    t.DropList(kFailureMode, 80, 17, 170);
    t.Add(kStaticClass, L"", kFailureValueLabel, SS_LEFT, 14, 36, 60, 8);
    t.Edit(kFailureValue, 80, 34, 170);
    t.Radio(L"Insert new steps before the selected step", kInsertBefore, 14, 50, 230, true);
    t.Radio(L"Insert new steps after the selected step", kInsertAfter, 14, 62, 230, false);
    t.Label(L"Properties field size:", kMargin, 84, 100);
    t.Edit(kMaxFieldSize, 120, 82, 40, ES_NUMBER);
    t.Label(L"Undo levels:", kMargin, 100, 100);
    t.Edit(kMaxUndo, 120, 98, 40, ES_NUMBER);
    t.Check(L"Show tips", kTips, kMargin, 116, 240);
    short y = 129;
    for (int i = 0; i < static_cast<int>(std::size(kGeneralChecks)); ++i, y += 13)
      t.Check(AnsiToWide(kGeneralChecks[i].label), kChecks + i, kMargin, y, 240);
    t.Button(L"Reset All Settings...", kReset, kMargin, kPageHeight - 20, 90);
  }

  void Load(HWND page) override {
    std::vector<std::string> modes = FailureModeChoices();
    std::string mode = DefaultFailureModeSetting();
    if (mode.empty()) mode = modes[0];
    int selected = -1;
    for (std::size_t i = 0; i < modes.size(); ++i)
      if (EqualsNoCase(modes[i], mode)) selected = static_cast<int>(i);
    if (selected < 0) {  // a mode the list lacks stays what it is
      modes.push_back(mode);
      selected = static_cast<int>(modes.size()) - 1;
    }
    FillDropList(page, kFailureMode, modes, selected);
    SetControlText(page, kFailureValue, DefaultFailureJumpSetting());
    ShowFailureValue(page);
    const bool after = InsertNewStepAfter();
    SetCheck(page, kInsertBefore, !after);
    SetCheck(page, kInsertAfter, after);
    SetControlText(page, kMaxFieldSize, std::to_string(ReadOptionOrDefault("Palettes\\Properties\\MaxFieldSize")));
    SetControlText(page, kMaxUndo, std::to_string(MaxUndoSteps()));
    SetCheck(page, kTips, ReadCheckOption(kTipsOption));
    for (int i = 0; i < static_cast<int>(std::size(kGeneralChecks)); ++i)
      SetCheck(page, kChecks + i, ReadCheckOption(kGeneralChecks[i]));
  }

  bool Save(HWND page) override {
    WriteSetting(setting::kDefaultFailureMode, DropListText(page, kFailureMode));
    WriteSetting(setting::kDefaultFailureJump, GetControlText(page, kFailureValue));
    WriteSettingNumber(setting::kInsertNewStep, GetCheck(page, kInsertAfter) ? 1 : 0);
    WriteNumberOption("Palettes\\Properties\\MaxFieldSize",
                      MaxFieldSizeToStore(TextToInt(GetControlText(page, kMaxFieldSize))));
    WriteNumberOption(setting::kMaxUndoName, MaxUndoToStore(TextToInt(GetControlText(page, kMaxUndo))));
    const bool tips = GetCheck(page, kTips);
    const bool tips_changed = tips != ReadCheckOption(kTipsOption);
    WriteCheckOption(kTipsOption, tips);
    for (int i = 0; i < static_cast<int>(std::size(kGeneralChecks)); ++i)
      WriteCheckOption(kGeneralChecks[i], GetCheck(page, kChecks + i));
    return tips_changed;
  }

  bool Command(HWND page, int id, int code) override {
    if (id == kFailureMode && code == CBN_SELCHANGE) {
      ShowFailureValue(page);
      return true;
    }
    if (id == kReset && code == BN_CLICKED) {
      ResetAll(page);
      return true;
    }
    return false;
  }

 private:
  static void ShowFailureValue(HWND page) {
    const std::string mode = DropListText(page, kFailureMode);
    SetControlText(page, kFailureValueLabel, FailureValueLabel(mode));
    ShowControl(page, kFailureValueLabel, FailureModeTakesValue(mode));
    ShowControl(page, kFailureValue, FailureModeTakesValue(mode));
  }

  // The opened pages show the defaults afterwards: confirming the sheet
  // must not write the old values back over them.
  void ResetAll(HWND page) {
    HWND sheet_window = GetParent(page);
    const bool reset = ResetAllSettings([&](std::string_view q) { return QuestionBox(sheet_window, std::string(q)); },
                                        [&](std::string_view n) { NoticeBox(sheet_window, std::string(n)); },
                                        {DialogFontHeight(), &DeleteVariableFiles});
    if (reset) ReloadOpenedPages(*sheet);
  }
};

}  // namespace

std::unique_ptr<OptionsPageWin> MakeGeneralPage() { return std::make_unique<GeneralPage>(); }

}  // namespace zelo
