// Fuzzes the expression evaluator, conditions and the real-number texts
// with arbitrary bytes, and checks what must hold for every input: results
// come back, result texts fit their 63 characters and are the formatted
// value, and any eight bytes taken as a real format to a readable text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "expr/char_classes.h"
#include "expr/condition.h"
#include "expr/evaluator.h"
#include "expr/real_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckRealText(const zelo::RealText& text) {
  Check(!text.empty() && text.size() <= zelo::RealText::kMaxLength);
  const std::string_view t = text.view();
  if (t == "inf" || t == "-inf" || t == "nan") return;
  Check(zelo::CharsOnlyFrom(t, zelo::CharClass::kNumeric) || t.find('e') != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(bytes), size);

  zelo::RealText text;
  const double value = zelo::EvaluateCalc(input, &text);
  if (!text.empty() && text.view().substr(0, 13) != "Bad Operator:") {
    CheckRealText(text);
    Check(zelo::FormatReal(value) == text);
  }
  zelo::RealText again;
  const double repeated = zelo::EvaluateCalc(input, &again);
  Check(again == text && (repeated == value || (std::isnan(repeated) && std::isnan(value))));

  zelo::EvaluateCondition(input);
  CheckRealText(zelo::FormatReal(zelo::TextToReal(input)));

  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, bytes, sizeof raw);
    CheckRealText(zelo::FormatReal(raw));
  }
  return 0;
}
