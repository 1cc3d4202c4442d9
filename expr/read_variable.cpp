#include "expr/read_variable.h"

#include "base/text.h"
#include "expr/expand_text.h"
#include "expr/variable_store.h"

namespace zelo {

int32_t ReadVariable(std::string_view name, int slot, int step, std::string* destination, std::size_t capacity) {
  destination->clear();
  if (!name.empty() && name.front() == '%') name.remove_prefix(1);
  // Names are written cut to kMaxVariableName characters; read them the same way.
  if (name.size() > kMaxVariableName) name = name.substr(0, kMaxVariableName);
  if (capacity == 0 || name.empty()) return 0;
  std::string text;
  if (!ReadStoredVariable(VariableKeyFor(name, slot), name, &text)) return 0;
  if (text.size() > capacity - 1) text.resize(capacity - 1);
  ExpandText(text, slot, step);
  const std::string& expanded = ExpansionBuffer();
  destination->assign(expanded, 0, capacity - 1);
  return TextToInt(*destination);
}

}  // namespace zelo
