// Start-up defaults: every option that has a default is written when it is
// missing, or, on "reset all", written again whatever it holds.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_names.h"

namespace zelo {

// Every option lives below this key of the current user.
inline constexpr const char* kSettingsKey = setting::kKey;

struct SettingDefault {
  enum class Kind {
    Number,                // number
    Text,                  // text
    DialogFontHeightPlus,  // the dialog font's height plus number pixels
  };
  const char* name;  // path below kSettingsKey, e.g. "Colors\\SkipFill"
  Kind kind;
  uint32_t number;
  const char* text;
};

// The table of defaults, in the order they are written.
const std::vector<SettingDefault>& SettingDefaults();
// The row for name (compared without regard to case), nullptr when the option
// has no start-up default.
const SettingDefault* FindSettingDefault(std::string_view name);

// The start-up default of an option by its name below the program's key: 0
// or "" for an option without one.
uint32_t DefaultNumber(std::string_view name);
std::string DefaultText(std::string_view name);
// An option's number, or its start-up default while it is missing (stores in
// which start-up has not written the defaults: tests, the native tools).
int32_t ReadOptionOrDefault(std::string_view name);
// The key that stops a run. A stop key of 0 would leave a run without a way
// to stop it from the keyboard: it reads as the default (Pause).
int StopKeySetting();

// Height in pixels of the standard 8-point dialog font at 96 dots per inch.
// The Windows build measures the real font (DialogFontHeight); this stands in
// where there is no display.
inline constexpr int kStandardDialogFontHeight = 13;

struct DefaultsContext {
  // Height of the font dialogs use; the properties grid rows are 6 pixels taller.
  int dialog_font_height = kStandardDialogFontHeight;
  // Removes the variable files kept beside the program. Called whenever the
  // stored user variables are deleted, so that no variable outlives a reset.
  std::function<void()> delete_variable_files;
};

// Runs at every start with reset off: carries options over from the earlier
// product lines, writes each missing default, repairs a stop key of 0 and,
// when "DefaultSpeed" could not be written, clears what a reset clears. With
// reset on every default is written again and the window placement, the user
// variables and the recent-file list are deleted; Favorites stay. Returns
// false when some write failed (the program goes on with what is stored).
bool WriteSettingDefaults(bool reset, const DefaultsContext& context = {});

}  // namespace zelo
