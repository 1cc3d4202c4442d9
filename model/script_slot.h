// The open scripts: eight slots, each with its step array, undo buffer and the
// file's extra processing instructions.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/fixed_text.h"
#include "model/step_record.h"

namespace zelo {

inline constexpr int kMaxSlots = 8;
inline constexpr const char* kUntitled = "(Untitled)";

enum UndoKind : int32_t {
  UNDO_ADD = 1,
  UNDO_MODIFY = 2,
  UNDO_DELETE = 3,
  UNDO_SNAPSHOT = 4,
};

struct UndoRecord {
  uint32_t group = 0;  // tick count when the user's command began
  int32_t kind = 0;
  int32_t index = 0;
  StepRecord step;  // the record as it was, with private copies of its texts
};

struct ScriptSlot {
  FixedText<260> file_name;  // empty = free slot; "(Untitled)" for a new script
  // The step array. Its size is the capacity; only the first step_count
  // records are steps (the loader grows it in chunks and trims at the end).
  std::vector<StepRecord> steps;
  int32_t step_count = 0;
  std::vector<UndoRecord> undo;  // empty = no undo buffer; non-empty = modified
  FixedText<260> custom_xml_tags;
  // Set by a change too large to undo; cleared with the undo buffer (save,
  // close). Without it such a change would leave the script looking saved.
  bool changed_without_undo = false;

  bool is_free() const { return file_name.empty(); }
  bool modified() const { return !undo.empty() || changed_without_undo; }
  int32_t capacity() const { return static_cast<int32_t>(steps.size()); }
};

// InsertSteps: grows the slot's step array by count records (count <= 0 counts
// as 1) at index, or at the end of the capacity when index is negative or not
// inside it. New records are blank; with alloc_texts each gets empty 260-byte
// text and comment blocks. The step count is left to the caller. Returns the
// index of the first new record, or -1 when the array cannot grow.
int32_t InsertSteps(ScriptSlot& slot, int32_t index, int32_t count, bool alloc_texts);
// DeleteStep: removes the record at index (frees its texts), shrinking the array
// and the step count by one. An index outside the array does nothing.
void DeleteStep(ScriptSlot& slot, int32_t index);
// CloseScriptSteps: frees every record and the array; the step count becomes 0.
void CloseScriptSteps(ScriptSlot& slot);

}  // namespace zelo
