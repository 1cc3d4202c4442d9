// The rows of the Properties palette: for the selected step, which fields it
// shows, under which captions, with which editor and picking tools. The table
// is data; the palette window only draws it and hands edits back.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"
#include "model/step_record.h"

namespace zelo {

// The step field a row edits.
enum PropertyField : int {
  FIELD_NONE = 0,
  FIELD_TEXT = 1,
  FIELD_COMMENT = 2,
  FIELD_OPTIONS = 3,  // through the row's option word
  FIELD_TIMEOUT = 4,
  FIELD_VALUE1 = 5,  // ... FIELD_VALUE1 + 7 is value8
  FIELD_OUTPUT = 13,
  FIELD_OUTPUT_VALUE = 14,
  FIELD_ONFAIL = 15,
  FIELD_ONFAIL_VALUE = 16,
  FIELD_ONFAIL_IMAGE = 17,
  FIELD_ONFAIL_LOG = 19,
};
constexpr int ValueField(int n) { return FIELD_VALUE1 + n - 1; }  // n = 1..8

enum EditorKind : int {
  KIND_TEXT = 1,
  KIND_MULTILINE = 2,  // closed with Ctrl+Enter
  KIND_PASSWORD = 3,   // shown masked
  KIND_NUMBER = 4,
  KIND_CHECK = 5,
  KIND_LIST = 6,
  KIND_RECORD = 7,
  KIND_END = 8,  // the empty row that closes the grid
};

// Picking tools a row offers beside its value.
enum PropertyTools : uint32_t {
  TOOL_FILE = 2,
  TOOL_FOLDER = 4,
  TOOL_DROPPER = 8,          // a pixel's colour
  TOOL_MOUSE = 16,           // screen coordinates
  TOOL_WINDOW_FINDER = 32,
  TOOL_MOUSE_IN_WINDOW = 64,  // coordinates inside the window under the pointer
  TOOL_CAPTURE = 128,         // a window or screen region into an image file
  TOOL_PREVIEW = 256,         // shows the image file
  TOOL_ALTERNATIVE = 512,     // the row's word captions a check box storing `value`
  TOOL_DATA_SOURCES = 1024,   // list of the computer's ODBC data sources
  TOOL_VIDEO_MODES = 2048,    // list of video modes
  TOOL_SERVICES = 4096,       // list of the computer's services
  TOOL_IMAGE_FILE = TOOL_FILE | TOOL_CAPTURE | TOOL_PREVIEW,
};

// The alternative of a number row stores its `value` as a number, or an
// empty field when the value is this.
inline constexpr int kAlternativeEmpty = -2147483647 - 1;

inline constexpr int kMaxPropertyRows = 32;

struct PropertyRow {
  FixedText<64> label;  // empty: the second line of the row before
  FixedText<512> help;
  int field = FIELD_NONE;
  int kind = KIND_TEXT;
  uint32_t tools = 0;
  int value = 0;
  // Check box: its option word; number row with TOOL_ALTERNATIVE: the
  // alternative's caption; list: its items separated by ";".
  FixedText<260> word;
};

struct PropertySheet {
  std::vector<PropertyRow> rows;  // at most kMaxPropertyRows, the end row last
  const char* help_topic = nullptr;  // the category's page of the help file
};

// The rows for a step; an empty sheet for a step outside categories 2-17.
// log_file names the current log file in the help of the failure rows.
PropertySheet BuildPropertyRows(const StepRecord& step, std::string_view log_file);

// IF steps and comments have no failure handling: no failure rows, and their
// failure fields are kept empty.
bool HasFailureRows(const StepRecord& step);
// Empties the failure fields; true when one of them held something.
bool ClearFailureFields(StepRecord& step);

// The items of a list row ("a;b;c").
std::vector<std::string_view> ListItems(std::string_view word);

inline constexpr const char* kSaveOutputChoices = "Clipboard;Variable;File;(do not save)";
inline constexpr const char* kFailureModeChoices =
    "Display Error and Stop;Display Error and Continue;Ignore/Continue;Retry the Step x Times;Stop Silently;"
    "Ask to Continue;Jump to Label;Increment Variable;Restart Run";
inline constexpr const char* kVideoModeChoices = "16 Colors;256 Colors;High Color (16 Bit);True Color (32 Bit)";

}  // namespace zelo
