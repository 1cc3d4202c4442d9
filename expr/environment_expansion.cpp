#include "expr/environment_expansion.h"

namespace zelo {

void ExpandEnvironmentReferences(std::string& text, SubstitutionContext& context) {
  std::size_t open = text.find('%');
  if (open == std::string::npos) return;
  std::string out;
  out.reserve(text.size());
  std::size_t done = 0;
  std::string value;
  while (open != std::string::npos) {
    out.append(text, done, open - done);
    const std::size_t close = text.find('%', open + 1);
    if (close == std::string::npos) {
      done = open;
      break;
    }
    const std::string_view name(text.data() + open + 1, close - open - 1);
    value.clear();
    if (!name.empty() && context.EnvironmentVariable(name, &value)) {
      out += value;
      done = close + 1;
      open = text.find('%', done);
    } else {
      out += '%';
      done = open + 1;
      open = close;
    }
  }
  out.append(text, done, std::string::npos);
  text.swap(out);
}

}  // namespace zelo
