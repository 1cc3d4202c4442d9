// Reading and changing a step's fields as the Properties palette shows them.
// Every change goes through the script's undo (one group per edit), then the
// editor is told (modified marker, grid); nothing changes while a run is
// active, since the run reads the steps without a lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/workspace.h"
#include "ui/properties/property_rows.h"

namespace zelo {

// The longest text a field holds; 0 for the unbounded `text` and `comment`.
std::size_t FieldLimit(int field);
// The field's text (17 and 19 as "1"/"0"); empty for options and unknown fields.
std::string FieldText(const StepRecord& step, int field);

// Passwords are kept in steps with every ASCII letter rotated three places
// forward within its case; the palette edits them in the clear.
std::string ScramblePassword(std::string_view clear);
std::string UnscramblePassword(std::string_view kept);
// The text an editor of the row opens with.
std::string EditorText(const StepRecord& step, const PropertyRow& row);

// Option words: on when `options` contains the word (any case).
bool OptionWordOn(std::string_view options, std::string_view word);
// The options with the word added (at the end, after ",") or removed (every
// occurrence with the separator before it, or after it for the first item);
// the other words and their separators stay as they were.
std::string WithOptionWord(std::string_view options, std::string_view word, bool on);

// What a check-box row or an alternative check box shows.
bool RowChecked(const StepRecord& step, const PropertyRow& row);
bool AlternativeChecked(const StepRecord& step, const PropertyRow& row);
// A program's "Wait Forever" means something only while the step waits for
// the program: the box is offered then alone.
bool AlternativeEnabled(const StepRecord& step, const PropertyRow& row);
// The text an alternative stores in its field when switched on.
std::string AlternativeText(const PropertyRow& row);

enum class EditOutcome { Changed, Unchanged, Refused };

// Edits of the selected step of the current script.
class StepPropertyEditor {
 public:
  explicit StepPropertyEditor(Workspace& ws) : ws_(ws) {}

  void SetRunning(bool running) { running_ = running; }
  bool running() const { return running_; }

  // A text, number, password or list value for the row's field; a value
  // longer than the field holds is cut to its limit. A password is given in
  // the clear and kept scrambled.
  EditOutcome ApplyText(int step, const PropertyRow& row, std::string_view value, uint32_t group);
  // A check-box row: an option word for options, 1/0 for the failure boxes.
  EditOutcome ApplyCheck(int step, const PropertyRow& row, bool on, uint32_t group);
  // The alternative check box of a row: on stores the alternative's text;
  // off leaves the field to the value the user types next.
  EditOutcome ApplyAlternative(int step, const PropertyRow& row, bool on, uint32_t group);

  // The step the palette shows, or nullptr when it is not a step.
  StepRecord* Step(int step);

 private:
  EditOutcome Store(int step, int field, std::string_view text, uint32_t group);

  Workspace& ws_;
  bool running_ = false;
};

}  // namespace zelo
