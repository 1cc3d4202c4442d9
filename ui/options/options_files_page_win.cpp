// "Files": the association of script files with the program, and what a
// double-click on one does.
#include <iterator>

#include "base/ansi_text_win.h"
#include "base/printf_text.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "ui/options/option_control_ids.h"
#include "ui/options/options_page_win.h"
#include "ui/options/options_sheet_win.h"

namespace zelo {

namespace {

using namespace option_ids;

constexpr unsigned kVerbBits[] = {kVerbOpen, kVerbEdit, kVerbRun, kVerbRunInZelomat};
const wchar_t* const kVerbLabels[] = {L"Open (edit the script)", L"Edit", L"Run (hidden, closing when done)",
                                      L"Run in Zelomat"};
constexpr int kProgramIcon = 1;

std::string ProgramPath() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return WideToAnsi(std::wstring(path, n));
}

// The verb a double-click runs, by "DefaultLoadAction"; empty for Open,
// which the system runs anyway.
std::string LoadActionVerb(int action) {
  return action > 0 && action < static_cast<int>(std::size(kLoadActions)) ? kLoadActions[action] : "";
}

bool RegisterScriptAssociation(const std::string& program, unsigned verbs, int icon_index, int load_action,
                               std::string* error) {
  FileAssociation association;
  association.program = program;
  association.extension = "zxm";
  association.description = "Zelomat";
  association.verbs = verbs;
  association.icon_index = icon_index;
  association.default_verb = LoadActionVerb(load_action);
  return RegisterFileAssociation(association, error);
}

class FilesPage : public OptionsPageWin {
 public:
  const wchar_t* Title() const override { return L"Files"; }

  void Build(DialogTemplate& t) override {
    const short w = kPageWidth - 2 * kMargin;
    t.Group(L"Script files (*.zxm) in Windows Explorer", kMargin, 4, w, 118);
    t.Label(L"Offer these commands on a script file:", 14, 17, w - 14);
    short y = 30;
    for (int i = 0; i < static_cast<int>(std::size(kVerbLabels)); ++i, y += 13)
      t.Check(kVerbLabels[i], kVerbs + i, 20, y, w - 20);
    t.Label(L"A double-click on a script does:", 14, 86, 116);
    t.DropList(kLoadAction, 132, 84, 110);
    t.Button(L"&Associate Now", kAssociate, 14, 102, 80);
  }

  void Load(HWND page) override {
    for (int i = 0; i < static_cast<int>(std::size(kVerbLabels)); ++i) SetCheck(page, kVerbs + i, true);
    const int action = ReadSetting(setting::kDefaultLoadAction);
    FillDropList(page, kLoadAction, {std::begin(kLoadActions), std::end(kLoadActions)},
                 action >= 0 && action < static_cast<int>(std::size(kLoadActions)) ? action : 0);
    EnableWindow(GetDlgItem(page, kAssociate), TRUE);
  }

  bool Save(HWND page) override {
    const int action = DropListSelection(page, kLoadAction);
    if (action >= 0) WriteSettingNumber(setting::kDefaultLoadAction, static_cast<uint32_t>(action));
    return false;
  }

  bool Command(HWND page, int id, int code) override {
    if (code != BN_CLICKED) return false;
    if (id >= kVerbs && id < kVerbs + static_cast<int>(std::size(kVerbBits))) {
      // An association without a single command would leave script files dead.
      EnableWindow(GetDlgItem(page, kAssociate), ChosenVerbs(page) != 0);
      return true;
    }
    if (id != kAssociate) return false;
    const std::string program = ProgramPath();
    std::string error;
    HWND owner = GetParent(page);
    if (RegisterScriptAssociation(program, ChosenVerbs(page), kProgramIcon, DropListSelection(page, kLoadAction),
                                  &error)) {
      NoticeBox(owner, PrintfText("The \".zxm\" file type has been associated with the program \"%s\"\n\nYou can "
                                   "now right-click and double-click on Zelomat files (*.ZXM) in Windows Explorer "
                                   "to load and run scripts.",
                                   program.c_str()));
    } else {
      FailureBox(owner, error);
    }
    return true;
  }

 private:
  static unsigned ChosenVerbs(HWND page) {
    unsigned verbs = 0;
    for (int i = 0; i < static_cast<int>(std::size(kVerbBits)); ++i)
      if (GetCheck(page, kVerbs + i)) verbs |= kVerbBits[i];
    return verbs;
  }
};

}  // namespace

std::unique_ptr<OptionsPageWin> MakeFilesPage() { return std::make_unique<FilesPage>(); }

bool RegisterFileAssociation(const std::string& program_path, unsigned verbs, int icon_index, std::string* error) {
  return RegisterScriptAssociation(program_path, verbs, icon_index, ReadSetting(setting::kDefaultLoadAction), error);
}

}  // namespace zelo
