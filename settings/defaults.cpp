#include "settings/defaults.h"

#include <string>

#include "base/text.h"
#include "settings/legacy_migration.h"
#include "settings/settings.h"

namespace zelo {

namespace {

using K = SettingDefault::Kind;

SettingDefault Num(const char* name, uint32_t n) { return {name, K::Number, n, nullptr}; }
SettingDefault Text(const char* name, const char* t) { return {name, K::Text, 0, t}; }

constexpr char kStopKey[] = "StopKey";
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
  for (const char* side : {"Left", "Top", "Right", "Bottom"}) DeleteSetting(OptionPath(side));
  // The key may well be missing; only a key that is still there afterwards is a failure.
  const std::string variables = OptionPath("UserVariables");
  Settings().DeleteKey(SettingsRoot::CurrentUser, variables);
  if (Settings().KeyExists(SettingsRoot::CurrentUser, variables)) ok = false;
  if (context.delete_variable_files) context.delete_variable_files();
  for (int i = 1; i <= 9; ++i) DeleteSetting(SettingPath("SOFTWARE\\Zelomat\\RecentFile%d", i));
  return ok;
}

}  // namespace

const std::vector<SettingDefault>& SettingDefaults() {
  static const std::vector<SettingDefault> table = {
      Num(kStopKey, kPauseKey),
      Num("InterStepDelay", 0),
      Num("RecordingSlowRatio", 4),
      Num("AlwaysShowSysVars", 1),
      Num("MaxUndo", 500),
      Num("EncodeXML", 1),
      Num("ShowFullFilesInTabs", 0),
      Num("MemoryAllocationChunk", 100),
      {"Palettes\\Properties\\RowHeight", K::DialogFontHeightPlus, 6, nullptr},
      Num("InsertNewStep", 0),
      Num("ShowSamples", 1),
      Num("Hints", 1),
      Num("HiliteRunningStep", 1),
      Num("OnTop", 0),
      Num("RestartLog", 1),
      Num("Find", 0),
      Num("AutoReload", 0),
      Num("RunAtLeastOnce", 0),
      Num("MinimizeFindWin", 0),
      Num("MinimizeRecord", 0),
      Num("MinimizeStart", 0),
      Num("ReturnWhenDone", 0),
      Num("ShowTips", 1),
      Num("ShowEditTips", 1),
      Num("LocalVariables", 0),
      Num("PromptSave", 1),
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
      Num("LogLevel", 0),
      Num("Progress", 0),
      Num("Compile\\Optimize", 0),
      Text("Palettes\\Output\\Font", "Courier New"),
      Num("Palettes\\Output\\FontSize", 8),
      Num("Palettes\\Output\\Font_Italic", 0),
      Num("Palettes\\Output\\Font_Weight", 400),
      Num("DisableScreenSaver", 0),
      Num("ShowSplash", 1),
      Num("ResetUserVariables", 0),
      Num("Speed", 5),
      Num("MultipleWindowError", 1),
      Text("DefaultFailureMode", "Display Error and Stop"),
      Text("Logfile", "C:\\ZelomatLog.txt"),
      Num("Palettes\\MainList\\IndentSize", 6),
      Num("Palettes\\MainList\\IndentAllColumns", 0),
      Num("DefaultSpeed", 10),
      Num("DefaultReturnCode", 0),
      Num("FailedReturnCode", 1),
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
  const std::string stop_key = OptionPath(kStopKey);
  if (ReadSetting(stop_key) == 0) ok &= WriteSettingNumber(stop_key, kPauseKey);

  if (reset || !SettingExists(OptionPath("DefaultSpeed"))) ok &= DeleteSessionState(context);
  return ok;
}

}  // namespace zelo
