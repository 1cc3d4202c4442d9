// StepRecord: one step of a script. Fixed fields keep their limits through
// FixedText; `text` and `comment` are growable heap texts. Copying a record
// copies everything, texts included (a swap of two records moves both).
#pragma once

#include <array>
#include <cstdint>

#include "base/fixed_text.h"
#include "model/heap_text.h"

namespace zelo {

using ActionName = FixedText<64>;  // at most 63 characters
using Field = FixedText<260>;      // at most 259 characters

// Bits of StepRecord::status.
enum : uint32_t {
  STEP_SKIP = 0x1,
  STEP_BREAKPOINT = 0x2,
  STEP_BOOKMARK = 0x1000,
};

// Values of StepRecord::last_run.
enum LastRun : int32_t {
  LAST_RUN_NOT_RUN = 0,
  LAST_RUN_INCOMPLETE = 1,
  LAST_RUN_PASS = 2,
  LAST_RUN_SKIPPED = 3,
  LAST_RUN_BREAKPOINT = 4,
  LAST_RUN_FAIL = 5,
  LAST_RUN_FAIL_CONTINUE = 6,
};
// The words shown and reported for a last_run value ("(Not Run)" ... ).
const char* LastRunWords(int32_t last_run);

inline constexpr const char* kDefaultFailureMode = "Display Error and Stop";

struct StepRecord {
  ActionName action;
  int32_t category = 0;  // 1..17, from the catalogue; never stored in files
  int32_t icon = 0;      // image-list index; never stored in files
  uint32_t status = 0;
  int32_t indents = 0;  // 0..16
  HeapText text;
  HeapText comment;
  Field options;
  Field timeout;
  std::array<Field, 8> values;  // value1..value8; use value(n)
  ActionName output;
  Field output_value;
  ActionName onfail;
  Field onfail_value;
  int32_t onfail_image = 0;
  int32_t onfail_log = 0;
  int32_t last_run = LAST_RUN_NOT_RUN;
  int32_t run_count = 0;

  Field& value(int n) { return values[static_cast<std::size_t>(n - 1)]; }  // n = 1..8
  const Field& value(int n) const { return values[static_cast<std::size_t>(n - 1)]; }
};

}  // namespace zelo
