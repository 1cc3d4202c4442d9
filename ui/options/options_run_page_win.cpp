// "Run Options": how runs show themselves and end, variables, the default
// return code and the stop key.
#include <iterator>

#include "base/ansi_text_win.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/options/option_control_ids.h"
#include "ui/options/options_page_win.h"

namespace zelo {

namespace {

using namespace option_ids;
constexpr int kChecks = kRunChecks;

const CheckOption kRunOptionChecks[] = {
    {"Highlight the running step", "HiliteRunningStep"},
    {"Show the progress of a run", "Progress"},
    {"Minimize Zelomat when a run starts", "MinimizeStart"},
    {"Restore Zelomat when a run ends", "ReturnWhenDone"},
    {"A window specification matching several windows is an error", "MultipleWindowError"},
    {"Delete user variables when Zelomat closes", "ResetUserVariables"},
    {"Disable the screen saver during runs", "DisableScreenSaver"},
    // Stored the other way round: the setting turns local variables on.
    {"Scripts share their variables", "LocalVariables", nullptr, true},
};

class RunPage : public OptionsPageWin {
 public:
  const wchar_t* Title() const override { return L"Run Options"; }

  void Build(DialogTemplate& t) override {
    short y = 6;
    for (int i = 0; i < static_cast<int>(std::size(kRunOptionChecks)); ++i, y += 13)
      t.Check(AnsiToWide(kRunOptionChecks[i].label), kChecks + i, kMargin, y, kPageWidth - 2 * kMargin);
    y += 6;
    t.Label(L"Default return code:", kMargin, y + 2, 100);
    t.Edit(kReturnCode, 120, y, 50);
    y += 18;
    t.Label(L"Stop key:", kMargin, y + 2, 100);
    t.DropList(kStopKey, 120, y, 100, 140);
  }

  void Load(HWND page) override {
    for (int i = 0; i < static_cast<int>(std::size(kRunOptionChecks)); ++i)
      SetCheck(page, kChecks + i, ReadCheckOption(kRunOptionChecks[i]));
    SetControlText(page, kReturnCode, ReadDefaultReturnCode());
    keys_ = StopKeyChoices(ReadSetting(setting::kStopKey));
    const int shown = StopKeyShown(ReadSetting(setting::kStopKey));
    std::vector<std::string> names;
    int selected = 0;
    for (const StopKeyChoice& key : keys_) {
      if (key.code == shown) selected = static_cast<int>(names.size());
      names.push_back(key.name);
    }
    FillDropList(page, kStopKey, names, selected);
  }

  bool Save(HWND page) override {
    for (int i = 0; i < static_cast<int>(std::size(kRunOptionChecks)); ++i)
      WriteCheckOption(kRunOptionChecks[i], GetCheck(page, kChecks + i));
    WriteDefaultReturnCode(GetControlText(page, kReturnCode));
    const int i = DropListSelection(page, kStopKey);
    if (i >= 0 && i < static_cast<int>(keys_.size()))
      WriteSettingNumber(setting::kStopKey, static_cast<uint32_t>(keys_[static_cast<std::size_t>(i)].code));
    return false;
  }

 private:
  std::vector<StopKeyChoice> keys_;
};

}  // namespace

std::unique_ptr<OptionsPageWin> MakeRunPage() { return std::make_unique<RunPage>(); }

}  // namespace zelo
