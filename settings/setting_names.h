// The settings the program's code reads or writes, by name. Each name is
// spelled here once and gives two constants: kXxxName, the name below the
// program's key (as the start-up defaults and the carry-over of older
// settings name it), and kXxx, the full path the store is read with. Settings
// that only the defaults table and the option pages know keep their names in
// that table.
#pragma once

#define ZELO_SETTINGS_KEY "SOFTWARE\\Zelomat"

namespace zelo::setting {

// The key every setting lives below, in the current user's part of the registry.
inline constexpr char kKey[] = ZELO_SETTINGS_KEY;

#define ZELO_SETTING(id, name)                   \
  inline constexpr char id##Name[] = name;       \
  inline constexpr char id[] = ZELO_SETTINGS_KEY "\\" name;

// The run and its log.
ZELO_SETTING(kLog, "Log")
ZELO_SETTING(kLogfile, "Logfile")
ZELO_SETTING(kRestartLog, "RestartLog")
ZELO_SETTING(kLogLevel, "LogLevel")
ZELO_SETTING(kProgress, "Progress")
ZELO_SETTING(kStopKey, "StopKey")
ZELO_SETTING(kHiliteRunningStep, "HiliteRunningStep")
ZELO_SETTING(kDisableScreenSaver, "DisableScreenSaver")
ZELO_SETTING(kKeptScreenSaver, "ScreenSaver")
ZELO_SETTING(kMinimizeStart, "MinimizeStart")
ZELO_SETTING(kReturnWhenDone, "ReturnWhenDone")
ZELO_SETTING(kDefaultReturnCode, "DefaultReturnCode")
ZELO_SETTING(kFailedReturnCode, "FailedReturnCode")
ZELO_SETTING(kDefaultSpeed, "DefaultSpeed")
// The factor of slow recording playback.
ZELO_SETTING(kRecordingSlowRatio, "RecordingSlowRatio")
// Per tab; the tab number is filled in.
ZELO_SETTING(kStepDelayPattern, "InterStepDelay-%d")

// Variables.
ZELO_SETTING(kUserVariables, "UserVariables")
ZELO_SETTING(kLocalVariables, "LocalVariables")
ZELO_SETTING(kResetUserVariables, "ResetUserVariables")
ZELO_SETTING(kMultipleWindowError, "MultipleWindowError")

// Scripts and editing.
ZELO_SETTING(kEncodeXml, "EncodeXML")
ZELO_SETTING(kMemoryAllocationChunk, "MemoryAllocationChunk")
ZELO_SETTING(kShowFullFilesInTabs, "ShowFullFilesInTabs")
ZELO_SETTING(kMaxUndo, "MaxUndo")
ZELO_SETTING(kInsertNewStep, "InsertNewStep")
ZELO_SETTING(kPromptSave, "PromptSave")
ZELO_SETTING(kDefaultFailureMode, "DefaultFailureMode")
ZELO_SETTING(kDefaultFailureJump, "DefaultFailureMode_Jump")
ZELO_SETTING(kFavorites, "Favorites")
// Per folder of the Actions tree; the folder's item number is filled in.
ZELO_SETTING(kActionFolderPattern, "Palettes\\Actions\\tree_%d")

// Start-up and the main window.
ZELO_SETTING(kAutoReload, "AutoReload")
ZELO_SETTING(kShowSplash, "ShowSplash")
ZELO_SETTING(kRunAtLeastOnce, "RunAtLeastOnce")
ZELO_SETTING(kWindowLeft, "Left")
ZELO_SETTING(kWindowTop, "Top")
ZELO_SETTING(kWindowRight, "Right")
ZELO_SETTING(kWindowBottom, "Bottom")
// The recent-file list, numbered from 1; the number is filled in.
ZELO_SETTING(kRecentFilePattern, "RecentFile%d")
inline constexpr int kRecentFiles = 9;
// The Properties palette.
ZELO_SETTING(kPropertiesRowHeight, "Palettes\\Properties\\RowHeight")
ZELO_SETTING(kMinimizeFindWin, "MinimizeFindWin")

// The main window, its grid and palettes (shell).
ZELO_SETTING(kOnTop, "OnTop")
ZELO_SETTING(kPaneVisiblePattern, "Palettes\\%s\\visible")
ZELO_SETTING(kGridColumnPattern, "Palettes\\MainList\\Column%d")
ZELO_SETTING(kGridColumnOrderPattern, "Palettes\\MainList\\Column%d_order")
ZELO_SETTING(kGridIndentSize, "Palettes\\MainList\\IndentSize")
ZELO_SETTING(kGridIndentAllColumns, "Palettes\\MainList\\IndentAllColumns")
ZELO_SETTING(kOutputFont, "Palettes\\Output\\Font")
ZELO_SETTING(kOutputFontSize, "Palettes\\Output\\FontSize")
ZELO_SETTING(kOutputFontItalic, "Palettes\\Output\\Font_Italic")
ZELO_SETTING(kOutputFontWeight, "Palettes\\Output\\Font_Weight")

// The Options sheet, the file association and the update check.
ZELO_SETTING(kLastTab, "LastTab")
ZELO_SETTING(kDefaultLoadAction, "DefaultLoadAction")
ZELO_SETTING(kAutoUpdate, "AutoUpdate")
ZELO_SETTING(kAutoUpdateLastCheck, "AutoUpdateLastCheck")
// The version file's address, and the page a newer version is found on.
ZELO_SETTING(kUpdateAddress, "UpdateAddress")
ZELO_SETTING(kUpdateDownloadPage, "UpdateDownloadPage")

// Editor dialogs and palettes (find, go to step, the Variables palette).
ZELO_SETTING(kFind, "Find")
ZELO_SETTING(kFindDirection, "FindDirection")
// Per column of the Variables palette, numbered from 1; the number is filled in.
ZELO_SETTING(kVariablesColumnPattern, "Palettes\\Variables\\Column%d")

#undef ZELO_SETTING

}  // namespace zelo::setting
