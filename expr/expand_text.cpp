#include "expr/expand_text.h"

#include "expr/expansion_stages.h"
#include "expr/variable_store.h"

namespace zelo {

namespace {

constexpr std::size_t kMinBufferBytes = 256;
constexpr std::size_t kBufferHeadroom = 1024;

std::string& Buffer() {
  static std::string buffer;
  return buffer;
}

}  // namespace

void EscapeDoublePercent(std::string& text) {
  std::size_t at = text.find("%%");
  if (at == std::string::npos) return;
  std::size_t write = at;
  for (std::size_t read = at; read < text.size(); ++write) {
    if (text[read] == '%' && read + 1 < text.size() && text[read + 1] == '%') {
      text[write] = kEscapedPercent;
      read += 2;
    } else {
      text[write] = text[read++];
    }
  }
  text.resize(write);
}

void UnescapePercent(std::string& text) {
  for (char& c : text)
    if (c == kEscapedPercent) c = '%';
}

std::size_t ExpandText(std::string_view field, int slot, int step) {
  const std::size_t nul = field.find('\0');
  if (nul != std::string_view::npos) field = field.substr(0, nul);
  // A caller may pass the last result back in: the field is copied before
  // the old buffer is dropped.
  std::string work;
  work.reserve(field.size() + kBufferHeadroom > kMinBufferBytes ? field.size() + kBufferHeadroom : kMinBufferBytes);
  work.assign(field.data(), field.size());
  std::string& text = Buffer();
  text.clear();
  if (work.empty()) return 0;

  EscapeDoublePercent(work);
  SubstituteLoopVariables(work);
  if (work.find('%') != std::string::npos) SubstituteUserVariables(work, VariableKey(slot));
  ReplaceKeyNamesAndConstants(work);
  if (work.find('%') != std::string::npos) {
    ReplaceSystemTokens(work, slot, step);
    ReplaceDateTokens(work);
  }
  EvaluateInlineFunctions(work);
  UnescapePercent(work);

  text.swap(work);
  return text.size() + 1;
}

const std::string& ExpansionBuffer() { return Buffer(); }

}  // namespace zelo
