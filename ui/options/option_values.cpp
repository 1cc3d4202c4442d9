#include "ui/options/option_values.h"

#include <algorithm>

#include "actions/keyboard/key_display_name.h"
#include "base/text.h"
#include "engine/failure_modes.h"
#include "settings/defaults.h"
#include "settings/setting_names.h"
#include "settings/settings.h"

namespace zelo {

namespace {

std::string OptionPath(std::string_view name) {
  std::string path(setting::kKey);
  path += '\\';
  path += name;
  return path;
}

// The stop keys in the order the list offers them.
constexpr int kStopKeyCodes[] = {27, 13, 17, 32, 9,  16, 20,  33,  34,  35,  36,  37,  38,  39,  40,  45,  8,
                                 46, 96, 97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107, 109, 110, 111, 144,
                                 145, 19, 18, 44, 91, 92, 93, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121,
                                 122, 123};
constexpr int kPauseKey = 19;

std::string StopKeyName(int code) {
  std::string name;
  KeyDisplayName(code, &name);
  return name.empty() ? "Key " + std::to_string(code) : name;
}

}  // namespace

const CheckOption kTipsOption = {"Show tips", "ShowTips", "ShowEditTips"};

bool ReadCheckOption(const CheckOption& option) {
  return (ReadOptionOrDefault(option.setting) != 0) != option.inverted;
}

void WriteCheckOption(const CheckOption& option, bool checked) {
  const uint32_t value = checked != option.inverted ? 1 : 0;
  WriteSettingNumber(OptionPath(option.setting), value);
  if (option.also) WriteSettingNumber(OptionPath(option.also), value);
}

int32_t MaxFieldSizeToStore(int32_t shown) { return std::max(shown, 3); }
int32_t MaxUndoToStore(int32_t shown) { return std::max(shown, 1); }
int32_t IndentSizeToStore(int32_t shown) { return std::clamp(shown, 0, 31); }

std::vector<std::string> FailureModeChoices() {
  std::vector<std::string> modes;
  std::string_view list = kFailureModeList;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find(';'), list.size());
    modes.emplace_back(list.substr(0, end));
    list.remove_prefix(std::min(end + 1, list.size()));
  }
  return modes;
}

bool FailureModeTakesValue(std::string_view mode) { return FailureValueLabel(mode)[0] != '\0'; }

const char* FailureValueLabel(std::string_view mode) {
  if (ContainsNoCase(mode, "Jump")) return "Label:";
  if (ContainsNoCase(mode, "Increment")) return "Variable:";
  if (ContainsNoCase(mode, "Retry")) return "Times:";
  return "";
}

std::string ReadDefaultReturnCode() {
  if (!SettingExists(setting::kDefaultReturnCode)) return std::string();
  return std::to_string(ReadSetting(setting::kDefaultReturnCode));
}

void WriteDefaultReturnCode(std::string_view text) {
  if (TrimBlanks(text).empty()) {
    DeleteSetting(setting::kDefaultReturnCode);
    return;
  }
  // The exit code is read back as a signed number; the DWORD keeps its bits.
  WriteSettingNumber(setting::kDefaultReturnCode, static_cast<uint32_t>(TextToInt(text)));
}

std::vector<StopKeyChoice> StopKeyChoices(int stored_key) {
  std::vector<StopKeyChoice> keys;
  for (int code : kStopKeyCodes) keys.push_back({code, StopKeyName(code)});
  const int shown = StopKeyShown(stored_key);
  if (std::find(std::begin(kStopKeyCodes), std::end(kStopKeyCodes), shown) == std::end(kStopKeyCodes))
    keys.push_back({shown, StopKeyName(shown)});
  return keys;
}

int StopKeyShown(int stored_key) { return stored_key != 0 ? stored_key : kPauseKey; }

const std::vector<RowColorOption>& RowColorOptions() {
  static const std::vector<RowColorOption> rows = {
      {"Comments", "Colors\\CommentFill", "Colors\\CommentText"},
      {"Skipped steps", "Colors\\SkipFill", "Colors\\SkipText"},
      {"Breakpoints", "Colors\\BreakFill", "Colors\\BreakText"},
      {"Failure labels", nullptr, "Colors\\OnFailureLables"},
      {"Alternate rows", "Palettes\\MainList\\GridStyle_AltColor", nullptr},
  };
  return rows;
}

uint32_t ReadColorOption(const char* setting) { return static_cast<uint32_t>(ReadOptionOrDefault(setting)); }

OutputFont ReadOutputFont() {
  OutputFont font;
  font.face = ReadSettingText(OptionPath("Palettes\\Output\\Font"), 63);
  if (font.face.empty()) font.face = DefaultText("Palettes\\Output\\Font");
  font.points = ReadOptionOrDefault("Palettes\\Output\\FontSize");
  font.italic = ReadOptionOrDefault("Palettes\\Output\\Font_Italic") != 0;
  font.weight = ReadOptionOrDefault("Palettes\\Output\\Font_Weight");
  font.color = static_cast<uint32_t>(ReadOptionOrDefault("Palettes\\Output\\Font_Color"));
  return font;
}

void WriteOutputFont(const OutputFont& font) {
  WriteSetting(OptionPath("Palettes\\Output\\Font"), font.face);
  WriteSettingNumber(OptionPath("Palettes\\Output\\FontSize"), static_cast<uint32_t>(font.points));
  WriteSettingNumber(OptionPath("Palettes\\Output\\Font_Italic"), font.italic ? 1 : 0);
  WriteSettingNumber(OptionPath("Palettes\\Output\\Font_Weight"), static_cast<uint32_t>(font.weight));
  WriteSettingNumber(OptionPath("Palettes\\Output\\Font_Color"), font.color);
}

const char* const kInterfaceStyles[3] = {"Office XP", "Office 97", "Office 2003"};
const char* const kGridStyles[3] = {"Plain rows", "Alternate row colors", "Grid lines"};
const char* const kLogLevels[2] = {"Basic log events", "Detailed log events"};
const char* const kLoadActions[4] = {"Open", "Edit", "Run", "Run in Zelomat"};

std::string ReadInterfaceStyle() {
  std::string style = ReadSettingText(OptionPath("InterfaceStyle"), 63);
  return style.empty() ? kInterfaceStyles[0] : style;
}

bool WriteNumberOption(const char* setting, int32_t value) {
  const std::string path = OptionPath(setting);
  const bool changed = ReadOptionOrDefault(setting) != value;
  WriteSettingNumber(path, static_cast<uint32_t>(value));
  return changed;
}

bool WriteInterfaceStyle(std::string_view style) {
  const bool changed = ReadInterfaceStyle() != style;
  WriteSetting(OptionPath("InterfaceStyle"), style);
  return changed;
}

}  // namespace zelo
