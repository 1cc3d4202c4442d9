#include "expr/condition.h"

#include "expr/char_classes.h"
#include "expr/real_text.h"
#include "expr/text_collation.h"

namespace zelo {

namespace {

bool IsOperatorAt(std::string_view text, std::size_t i) {
  const char c = text[i];
  if (c == '<' || c == '=' || c == '>') return true;
  return c == '!' && i + 1 < text.size() && text[i + 1] == '=';
}

std::string_view WithoutLeadingBlanks(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && s[b] == ' ') ++b;
  return s.substr(b);
}

std::string_view WithoutTrailingBlanks(std::string_view s) {
  std::size_t e = s.size();
  while (e > 0 && s[e - 1] == ' ') --e;
  return s.substr(0, e);
}

// -1, 0 or 1 for left against right, by value or by the locale's order.
int Order(std::string_view left, std::string_view right, bool numeric) {
  if (numeric) {
    // A blank in front of a number would read as 0.
    double a = TextToReal(WithoutLeadingBlanks(left)), b = TextToReal(WithoutLeadingBlanks(right));
    return a < b ? -1 : (a > b ? 1 : 0);
  }
  int r = CollateText(left, right, false);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool Differ(std::string_view left, std::string_view right, bool numeric) {
  if (numeric) return TextToReal(WithoutLeadingBlanks(left)) != TextToReal(WithoutLeadingBlanks(right));
  return CollateText(left, right, true) != 0;
}

}  // namespace

bool EvaluateCondition(std::string_view text) {
  if (text.empty()) return false;
  std::size_t start = 0;
  while (start < text.size() && !IsOperatorAt(text, start)) ++start;
  if (start == text.size()) {
    // No "<", "=" or ">" anywhere: a lone value.
    return text != "0";
  }
  std::size_t end = start;
  while (end < text.size() && IsOperatorAt(text, end)) ++end;

  std::string_view op = text.substr(start, end - start).substr(0, kConditionOperatorMax);
  std::string_view left = WithoutTrailingBlanks(text.substr(0, start));
  std::string_view right = WithoutLeadingBlanks(text.substr(end));
  const bool numeric = CharsOnlyFrom(left, CharClass::kNumeric) && CharsOnlyFrom(right, CharClass::kNumeric);

  if (op == "=" || op == "==") return left == right;
  if (op == ">") return Order(left, right, numeric) > 0;
  if (op == ">=") return Order(left, right, numeric) >= 0;
  if (op == "<") return Order(left, right, numeric) < 0;
  if (op == "<=") return Order(left, right, numeric) <= 0;
  if (op == "!=" || op == "<>" || op == "><") return Differ(left, right, numeric);
  return false;
}

}  // namespace zelo
