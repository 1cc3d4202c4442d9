#include "engine/step_timeout.h"

#include "expr/real_text.h"

namespace zelo {

uint32_t StepTimeoutMs(std::string_view expanded_timeout) {
  const double ms = TextToReal(expanded_timeout) * 1000.0;
  if (!(ms > 0)) return 0;  // also a NaN
  if (ms >= static_cast<double>(kMaxStepTimeoutMs)) return kMaxStepTimeoutMs;
  return static_cast<uint32_t>(ms);
}

}  // namespace zelo
