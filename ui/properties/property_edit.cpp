#include "ui/properties/property_edit.h"

#include "base/text.h"
#include "model/catalogue.h"
#include "model/slot_captions.h"
#include "model/undo.h"

namespace zelo {

namespace {

// The fixed-size text a field number names; nullptr for the heap texts,
// the two number fields and options. (Step is StepRecord, const or not.)
template <typename Step>
auto FixedField(Step& s, int field) -> decltype(&s.timeout) {
  if (field == FIELD_TIMEOUT) return &s.timeout;
  if (field >= ValueField(1) && field <= ValueField(8)) return &s.value(field - FIELD_VALUE1 + 1);
  if (field == FIELD_OUTPUT_VALUE) return &s.output_value;
  if (field == FIELD_ONFAIL_VALUE) return &s.onfail_value;
  return nullptr;
}

// Where an option word sits in the list: the item (blanks around it
// included) that holds it and the comma that goes with it.
struct Span {
  std::size_t begin, end;
};

// The span to cut for the item [item_begin, item_end): the comma before it,
// or for the first item the comma after it and the blanks that follow.
Span CutSpan(std::string_view list, std::size_t item_begin, std::size_t item_end) {
  if (item_begin > 0) return {item_begin - 1, item_end};
  std::size_t end = item_end;
  if (end < list.size()) {
    ++end;  // the comma
    while (end < list.size() && list[end] == ' ') ++end;
  }
  return {0, end};
}

// Letters move `by` places round their own case; everything else stays.
std::string RotateLetters(std::string_view text, int by) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>('a' + (c - 'a' + by + 26) % 26);
    if (c >= 'A' && c <= 'Z') c = static_cast<char>('A' + (c - 'A' + by + 26) % 26);
  }
  return out;
}

}  // namespace

std::string ScramblePassword(std::string_view clear) { return RotateLetters(clear, 3); }
std::string UnscramblePassword(std::string_view kept) { return RotateLetters(kept, -3); }

std::string EditorText(const StepRecord& step, const PropertyRow& row) {
  const std::string text = FieldText(step, row.field);
  return row.kind == KIND_PASSWORD ? UnscramblePassword(text) : text;
}

std::size_t FieldLimit(int field) {
  switch (field) {
    case FIELD_TEXT:
    case FIELD_COMMENT: return 0;
    case FIELD_OUTPUT:
    case FIELD_ONFAIL: return ActionName::kMaxLength;
    case FIELD_ONFAIL_IMAGE:
    case FIELD_ONFAIL_LOG: return 1;
    default: return Field::kMaxLength;
  }
}

std::string FieldText(const StepRecord& s, int field) {
  if (const Field* f = FixedField(s, field)) return f->str();
  switch (field) {
    case FIELD_TEXT: return s.text.str();
    case FIELD_COMMENT: return s.comment.str();
    case FIELD_OUTPUT: return s.output.str();
    case FIELD_ONFAIL: return s.onfail.str();
    case FIELD_ONFAIL_IMAGE: return s.onfail_image ? "1" : "0";
    case FIELD_ONFAIL_LOG: return s.onfail_log ? "1" : "0";
    default: return {};
  }
}

bool OptionWordOn(std::string_view options, std::string_view word) {
  return !word.empty() && ContainsNoCase(options, word);
}

std::string WithOptionWord(std::string_view options, std::string_view word, bool on) {
  std::string list(options);
  if (word.empty()) return list;
  if (on) {
    if (OptionWordOn(list, word)) return list;
    if (!TrimBlanks(list).empty()) list += ',';
    list += word;
    return list;
  }
  // Whole items first, so "Class, ID" loses " ID" with its comma; a word
  // inside a longer item is cut out of that item alone.
  for (std::size_t at; (at = FindNoCase(list, word)) != std::string::npos;) {
    std::size_t item_begin = list.rfind(',', at);
    item_begin = item_begin == std::string::npos ? 0 : item_begin + 1;
    std::size_t item_end = list.find(',', at);
    if (item_end == std::string::npos) item_end = list.size();
    const std::string_view item(list.data() + item_begin, item_end - item_begin);
    if (EqualsNoCase(TrimBlanks(item), word)) {
      const Span cut = CutSpan(list, item_begin, item_end);
      list.erase(cut.begin, cut.end - cut.begin);
    } else {
      list.erase(at, word.size());
    }
  }
  return list;
}

bool RowChecked(const StepRecord& s, const PropertyRow& row) {
  if (row.field == FIELD_ONFAIL_IMAGE) return s.onfail_image != 0;
  if (row.field == FIELD_ONFAIL_LOG) return s.onfail_log != 0;
  return OptionWordOn(s.options.view(), row.word.view());
}

bool AlternativeEnabled(const StepRecord& s, const PropertyRow& row) {
  if (!(row.tools & TOOL_ALTERNATIVE)) return false;
  if (s.category != CAT_RUN_PROGRAM || row.field != FIELD_TIMEOUT) return true;
  return OptionWordOn(s.options.view(), "Wait") || ContainsNoCase(s.action.view(), "Call Script");
}

std::string AlternativeText(const PropertyRow& row) {
  return row.value == kAlternativeEmpty ? std::string() : std::to_string(row.value);
}

bool AlternativeChecked(const StepRecord& s, const PropertyRow& row) {
  if (!(row.tools & TOOL_ALTERNATIVE)) return false;
  const std::string value(TrimBlanks(FieldText(s, row.field)));
  if (row.value == kAlternativeEmpty) return value.empty();
  // "0" and an empty field read the same (no limit, start of file...).
  if (row.value == 0) return value.empty() || TextToInt(value) == 0;
  return !value.empty() && TextToInt(value) == row.value;
}

StepRecord* StepPropertyEditor::Step(int step) {
  ScriptSlot& slot = ws_.current_slot();
  if (step < 0 || step >= slot.step_count) return nullptr;
  return &slot.steps[static_cast<std::size_t>(step)];
}

EditOutcome StepPropertyEditor::Store(int step, int field, std::string_view text, uint32_t group) {
  if (running_) return EditOutcome::Refused;
  StepRecord* s = Step(step);
  if (!s) return EditOutcome::Refused;
  const std::size_t limit = FieldLimit(field);
  if (limit && text.size() > limit) text = text.substr(0, limit);
  if (field != FIELD_OPTIONS && FieldText(*s, field) == text) return EditOutcome::Unchanged;
  if (field == FIELD_OPTIONS && s->options.view() == text) return EditOutcome::Unchanged;
  if (!PushUndo(ws_, group, step, UNDO_MODIFY)) return EditOutcome::Refused;
  s = Step(step);
  switch (field) {
    case FIELD_TEXT: s->text.Assign(text); break;
    case FIELD_COMMENT: s->comment.Assign(text); break;
    case FIELD_OPTIONS: s->options = text; break;
    case FIELD_OUTPUT: s->output = text; break;
    case FIELD_ONFAIL: s->onfail = text; break;
    case FIELD_ONFAIL_IMAGE: s->onfail_image = text == "1"; break;
    case FIELD_ONFAIL_LOG: s->onfail_log = text == "1"; break;
    default:
      if (Field* f = FixedField(*s, field)) *f = text;
      break;
  }
  ShowSlotState(ws_, ws_.current);
  ws_.seam().RefreshList();
  return EditOutcome::Changed;
}

EditOutcome StepPropertyEditor::ApplyText(int step, const PropertyRow& row, std::string_view value, uint32_t group) {
  if (row.field == FIELD_OPTIONS || row.field == FIELD_ONFAIL_IMAGE || row.field == FIELD_ONFAIL_LOG)
    return EditOutcome::Refused;  // check boxes only
  if (row.kind == KIND_PASSWORD) return Store(step, row.field, ScramblePassword(value), group);
  return Store(step, row.field, value, group);
}

EditOutcome StepPropertyEditor::ApplyCheck(int step, const PropertyRow& row, bool on, uint32_t group) {
  if (row.field == FIELD_ONFAIL_IMAGE || row.field == FIELD_ONFAIL_LOG) return Store(step, row.field, on ? "1" : "0", group);
  if (row.field != FIELD_OPTIONS) return EditOutcome::Refused;
  const StepRecord* s = Step(step);
  if (!s) return EditOutcome::Refused;
  const std::string options = WithOptionWord(s->options.view(), row.word.view(), on);
  // A word that no longer fits the field would be stored cut, and the box
  // would not read as on: refuse rather than store half a word.
  if (options.size() > Field::kMaxLength) return EditOutcome::Refused;
  return Store(step, FIELD_OPTIONS, options, group);
}

EditOutcome StepPropertyEditor::ApplyAlternative(int step, const PropertyRow& row, bool on, uint32_t group) {
  const StepRecord* s = Step(step);
  if (!s || !AlternativeEnabled(*s, row)) return EditOutcome::Refused;
  if (!on) return running_ ? EditOutcome::Refused : EditOutcome::Unchanged;
  return Store(step, row.field, AlternativeText(row), group);
}

}  // namespace zelo
