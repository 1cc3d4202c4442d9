#include "model/step_record.h"

namespace zelo {

const char* LastRunWords(int32_t last_run) {
  static const char* const kWords[] = {"(Not Run)", "Incomplete", "Pass",           "Skipped",
                                        "Breakpoint", "Fail",      "Fail and Continue"};
  if (last_run < 0 || last_run > 6) return kWords[0];
  return kWords[last_run];
}

}  // namespace zelo
