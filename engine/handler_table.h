// The handler table: one handler function per step category, and the
// services every handler is called with. The run loop dispatches every step
// through it; the program fills it with the handlers it has and its services.
#pragma once

#include <array>

#include "model/catalogue.h"

namespace zelo {

class RunEngine;
// Defined by the handlers (actions/shared/action_services.h); the engine only
// passes it on.
struct ActionServices;

// Called on the run thread with the table's services, the slot and the step
// index. Returns non-zero for pass, 0 for fail (reason in the step error
// text), -1 to stop the run; flow control (category 13) returns the next
// index plus one instead of 1. services is nullptr while the table has none.
using StepHandler = int (*)(RunEngine& run, const ActionServices* services, int slot, int index);

class HandlerTable {
 public:
  // Sets the handler of a category 2..17; other numbers are ignored.
  void Set(int category, StepHandler handler);
  // nullptr for a category without a handler or outside 2..17.
  StepHandler Get(int category) const;
  static bool Dispatchable(int category) {
    return category >= kFirstActionCategory && category <= kLastActionCategory;
  }

  // Kept by address: the services must outlive every run of the table.
  void SetServices(const ActionServices* services) { services_ = services; }
  const ActionServices* services() const { return services_; }

 private:
  std::array<StepHandler, kLastActionCategory + 1> handlers_{};
  const ActionServices* services_ = nullptr;
};

}  // namespace zelo
