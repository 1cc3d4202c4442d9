#include "settings/defaults.h"

#include <string>

#include "base/text.h"
#include "settings/legacy_migration.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

using K = SettingDefault::Kind;

SettingDefault Num(const char* name, uint32_t n) { return {name, K::Number, n, nullptr}; }
SettingDefault Text(const char* name, const char* t) { return {name, K::Text, 0, t}; }

constexpr uint32_t kPauseKey = 19;  // virtual-key code of Pause

std::string OptionPath(std::string_view name) {
  std::string path(kSettingsKey);
  path += '\\';
  path += name;
  return path;
}

// Window placement, user variables and the recent-file list: what a reset
// forgets beyond the defaults.
bool DeleteSessionState(const DefaultsContext& context) {
  bool ok = true;
  for (const char* side : {setting::kWindowLeft, setting::kWindowTop, setting::kWindowRight, setting::kWindowBottom})
    DeleteSetting(side);
  // The key may well be missing; only a key that is still there afterwards is a failure.
  const std::string variables = setting::kUserVariables;
  Settings().DeleteKey(SettingsRoot::CurrentUser, variables);
  if (Settings().KeyExists(SettingsRoot::CurrentUser, variables)) ok = false;
  if (context.delete_variable_files) context.delete_variable_files();
  for (int i = 1; i <= setting::kRecentFiles; ++i) DeleteSetting(SettingPath(setting::kRecentFilePattern, i));
  return ok;
}

}  // namespace

const std::vector<SettingDefault>& SettingDefaults() {
  static const std::vector<SettingDefault> table = {
      Num(setting::kStopKeyName, kPauseKey),
      Num("InterStepDelay", 0),
      Num(setting::kRecordingSlowRatioName, 4),
      Num("AlwaysShowSysVars", 1),
      Num(setting::kMaxUndoName, 500),
      Num(setting::kEncodeXmlName, 1),
      Num(setting::kShowFullFilesInTabsName, 0),
      Num(setting::kMemoryAllocationChunkName, 100),
      {"Palettes\\Properties\\RowHeight", K::DialogFontHeightPlus, 6, nullptr},
      Num(setting::kInsertNewStepName, 0),
      Num("ShowSamples", 1),
      Num("Hints", 1),
      Num(setting::kHiliteRunningStepName, 1),
      Num("OnTop", 0),
      Num(setting::kRestartLogName, 1),
      Num("Find", 0),
      Num(setting::kAutoReloadName, 0),
      Num(setting::kRunAtLeastOnceName, 0),
      Num("MinimizeFindWin", 0),
      Num("MinimizeRecord", 0),
      Num(setting::kMinimizeStartName, 0),
      Num(setting::kReturnWhenDoneName, 0),
      Num("ShowTips", 1),
      Num("ShowEditTips", 1),
      Num(setting::kLocalVariablesName, 0),
      Num(setting::kPromptSaveName, 1),
      Num("Colors\\CommentItalic", 1),
      Num("Palettes\\MainList\\GridStyle", 2),
      Num("Palettes\\MainList\\GridStyle_AltColor", 0xFFF0F0),
      Num("Colors\\SkipItalic", 0),
      Num("Colors\\BreakFill", 0x463A96),
      Num("Colors\\BreakText", 0xFFFFFF),
      Num("Colors\\SkipFill", 0xF0F0F0),
      Num("Colors\\SkipText", 0x808080),
      Num("Colors\\CommentFill", 0xC0FFFF),
      Num("Colors\\CommentText", 0x00A000),
      Num("Colors\\OnFailureLables", 0x008080),
      Num("Palettes\\Properties\\MaxFieldSize", 15),
      Num(setting::kLogLevelName, 0),
      Num(setting::kProgressName, 0),
      Num("Compile\\Optimize", 0),
      Text("Palettes\\Output\\Font", "Courier New"),
      Num("Palettes\\Output\\FontSize", 8),
      Num("Palettes\\Output\\Font_Italic", 0),
      Num("Palettes\\Output\\Font_Weight", 400),
      Num(setting::kDisableScreenSaverName, 0),
      Num(setting::kShowSplashName, 1),
      Num(setting::kResetUserVariablesName, 0),
      Num("Speed", 5),
      Num("MultipleWindowError", 1),
      Text(setting::kDefaultFailureModeName, "Display Error and Stop"),
      Text(setting::kLogfileName, "C:\\ZelomatLog.txt"),
      Num("Palettes\\MainList\\IndentSize", 6),
      Num("Palettes\\MainList\\IndentAllColumns", 0),
      Num(setting::kDefaultSpeedName, 10),
      Num(setting::kDefaultReturnCodeName, 0),
      Num(setting::kFailedReturnCodeName, 1),
      Num("SlowPixelScan", 0),
      Num("Report\\Show1", 1),
      Num("Report\\Show2", 1),
      Num("Report\\Show3", 1),
      Num("Report\\Show4", 1),
      Num("Report\\Show5", 1),
      Num("Report\\Show6", 1),
      Num("Report\\Show7", 1),
      Num("Report\\MaxTextLen", 50),
  };
  return table;
}

const SettingDefault* FindSettingDefault(std::string_view name) {
  for (const SettingDefault& row : SettingDefaults())
    if (EqualsNoCase(row.name, name)) return &row;
  return nullptr;
}

uint32_t DefaultNumber(std::string_view name) {
  const SettingDefault* row = FindSettingDefault(name);
  return row && row->kind == K::Number ? row->number : 0;
}

std::string DefaultText(std::string_view name) {
  const SettingDefault* row = FindSettingDefault(name);
  return row && row->text ? std::string(row->text) : std::string();
}

int32_t ReadOptionOrDefault(std::string_view name) {
  const std::string path = OptionPath(name);
  return SettingExists(path) ? ReadSetting(path) : static_cast<int32_t>(DefaultNumber(name));
}

int StopKeySetting() {
  const int key = ReadSetting(setting::kStopKey);
  return key != 0 ? key : static_cast<int>(DefaultNumber(setting::kStopKeyName));
}

bool WriteSettingDefaults(bool reset, const DefaultsContext& context) {
  bool ok = true;
  if (!reset) MigrateLegacySettings();

  for (const SettingDefault& row : SettingDefaults()) {
    const std::string path = OptionPath(row.name);
    if (!reset && SettingExists(path)) continue;
    switch (row.kind) {
      case K::Number:
        ok &= WriteSettingNumber(path, row.number);
        break;
      case K::Text:
        ok &= WriteSetting(path, row.text);
        break;
      case K::DialogFontHeightPlus:
        ok &= WriteSettingNumber(path, static_cast<uint32_t>(context.dialog_font_height) + row.number);
        break;
    }
  }

  // A stop key of 0 would leave a run without a way to stop it from the keyboard.
  const std::string stop_key = OptionPath(setting::kStopKeyName);
  if (ReadSetting(stop_key) == 0) ok &= WriteSettingNumber(stop_key, kPauseKey);

  if (reset || !SettingExists(setting::kDefaultSpeed)) ok &= DeleteSessionState(context);
  return ok;
}

}  // namespace zelo
