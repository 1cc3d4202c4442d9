// The handler table: one handler function per step category. The run loop
// dispatches every step through it; the program fills it with the handlers
// it has.
#pragma once

#include <array>

#include "model/catalogue.h"

namespace zelo {

class RunEngine;

// Called on the run thread with the slot and the step index. Returns non-zero
// for pass, 0 for fail (reason in the step error text), -1 to stop the run;
// flow control (category 13) returns the next index plus one instead of 1.
using StepHandler = int (*)(RunEngine& run, int slot, int index);

class HandlerTable {
 public:
  // Sets the handler of a category 2..17; other numbers are ignored.
  void Set(int category, StepHandler handler);
  // nullptr for a category without a handler or outside 2..17.
  StepHandler Get(int category) const;
  static bool Dispatchable(int category) {
    return category >= kFirstActionCategory && category <= kLastActionCategory;
  }

 private:
  std::array<StepHandler, kLastActionCategory + 1> handlers_{};
};

}  // namespace zelo
