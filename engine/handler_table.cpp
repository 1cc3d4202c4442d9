#include "engine/handler_table.h"

namespace zelo {

void HandlerTable::Set(int category, StepHandler handler) {
  if (Dispatchable(category)) handlers_[static_cast<std::size_t>(category)] = handler;
}

StepHandler HandlerTable::Get(int category) const {
  return Dispatchable(category) ? handlers_[static_cast<std::size_t>(category)] : nullptr;
}

}  // namespace zelo
