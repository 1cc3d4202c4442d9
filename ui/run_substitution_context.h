// The substitution context of the program's runs: the portable facts, with
// the loop and run-repeat counters that "%l" and "%e" show taken from the
// run engine.
#pragma once

#include "engine/run_counters.h"
#include "engine/run_engine.h"
#include "expr/portable_substitution_context.h"

namespace zelo {

class RunSubstitutionContext : public PortableSubstitutionContext {
 public:
  explicit RunSubstitutionContext(const RunEngine& run) : run_(run) {}
  int32_t LoopCounter(int slot) override { return CurrentLoopCounter(slot); }
  int32_t RunRepeats(int slot) override { return ShownRunRepeats(run_, slot); }

 private:
  const RunEngine& run_;
};

}  // namespace zelo
