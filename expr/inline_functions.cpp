#include "expr/inline_functions.h"

#include <algorithm>

#include "base/text.h"
#include "expr/evaluator.h"
#include "expr/expansion_stages.h"
#include "expr/text_replace.h"

namespace zelo {

namespace {

bool IsQuote(char c) { return c == '"' || c == '\''; }

// In the order they are evaluated: a call's result is searched for the
// functions after it, and for its own name again.
constexpr const char* kFunctionNames[] = {"Uppercase", "Lowercase", "ReplaceText", "InsertText", "GetSubText",
                                          "Length",    "FindText",  "CountItems",  "Trim",       "CALC"};
// What may stand between a name and its "(", in the order searched.
constexpr std::string_view kCallForms[] = {" (", "(", "  ("};

std::size_t CountOccurrences(std::string_view text, std::string_view find) {
  if (find.empty()) return 0;
  std::size_t count = 0;
  for (std::size_t hit = FindNoCase(text, find); hit != std::string_view::npos;
       hit = FindNoCase(text, find, hit + find.size()))
    ++count;
  return count;
}

std::optional<std::string> InsertAt(std::string text, int32_t position, std::string_view insert, std::size_t max) {
  if (position < 1) position = 1;
  const std::size_t at = static_cast<std::size_t>(position) - 1;
  const std::size_t padded = text.size() < at ? at : text.size();
  if (padded > max || insert.size() > max - padded) return std::nullopt;
  if (text.size() < at) text.append(at - text.size(), ' ');
  text.insert(at, insert);
  return text;
}

std::optional<std::string> ReplaceIn(std::string text, std::string_view find, std::string_view with, std::size_t max) {
  if (with.size() > find.size()) {
    const std::size_t n = CountOccurrences(text, find);
    const std::size_t extra = with.size() - find.size();
    if (n > 0 && (extra > (max - std::min(max, text.size())) / n)) return std::nullopt;
  }
  ReplaceAllNoCase(text, find, with);
  if (text.size() > max) return std::nullopt;
  return text;
}

std::string Piece(std::string_view text, std::string_view separator, int32_t n) {
  if (n < 1) n = 1;
  if (separator.empty()) return n == 1 ? std::string(text) : std::string();
  std::size_t start = 0;
  for (int32_t i = 1; i < n; ++i) {
    const std::size_t hit = text.find(separator, start);
    if (hit == std::string_view::npos) return std::string();
    start = hit + separator.size();
  }
  const std::size_t end = text.find(separator, start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}


// The ")" that closes the call whose "(" is at open: the one that brings the
// depth back to 0 outside quotes (parentheses inside quotes still count).
// When an unmatched quote leaves no such ")", the first that brings the
// depth to 0 at all closes it, so an apostrophe in a word does not swallow
// the call. npos when the parentheses never balance.
std::size_t CallEnd(std::string_view text, std::size_t open) {
  int depth = 0;
  bool quoted = false;
  std::size_t first_balanced = std::string_view::npos;
  for (std::size_t k = open; k < text.size(); ++k) {
    const char c = text[k];
    if (IsQuote(c)) {
      quoted = !quoted;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      if (!quoted) return k;
      if (first_balanced == std::string_view::npos) first_balanced = k;
    }
  }
  return first_balanced;
}

}  // namespace

std::vector<std::string> ParseInlineArguments(std::string_view inner) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (arguments.size() < kMaxInlineArguments) {
    while (i < inner.size() && (inner[i] == ' ' || inner[i] == '\t')) ++i;
    std::string argument;
    const bool quoted = i < inner.size() && IsQuote(inner[i]);
    if (quoted) {
      const std::size_t close = inner.find_first_of("\"'", i + 1);
      const std::size_t end = close == std::string_view::npos ? inner.size() : close;
      argument = std::string(inner.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? inner.size() : close + 1;
    }
    // The separator: the next "," outside quotes.
    std::size_t j = i;
    for (bool inside = false; j < inner.size(); ++j) {
      if (IsQuote(inner[j]))
        inside = !inside;
      else if (inner[j] == ',' && !inside)
        break;
    }
    const bool last = j >= inner.size();
    if (!quoted) {
      argument = std::string(inner.substr(i, j - i));
      if (last)
        while (!argument.empty() && argument.back() == ' ') argument.pop_back();
    }
    arguments.push_back(std::move(argument));
    if (last) break;
    i = j + 1;
  }
  return arguments;
}

std::optional<std::string> EvaluateInlineFunction(std::string_view name, const std::vector<std::string>& arguments,
                                                  std::size_t max_result) {
  auto arg = [&](std::size_t n) -> const std::string& {
    static const std::string kEmpty;
    return n < arguments.size() ? arguments[n] : kEmpty;
  };
  if (EqualsNoCase(name, "Uppercase") || EqualsNoCase(name, "Lowercase")) {
    const bool upper = EqualsNoCase(name, "Uppercase");
    std::string t = arg(0);
    for (char& c : t) {
      if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return t;
  }
  // The other functions give at most their first argument's length, or a number.
  if (EqualsNoCase(name, "ReplaceText")) return ReplaceIn(arg(0), arg(1), arg(2), max_result);
  if (EqualsNoCase(name, "InsertText")) return InsertAt(arg(0), TextToInt(arg(1)), arg(2), max_result);
  if (EqualsNoCase(name, "GetSubText")) return Piece(arg(0), arg(1), TextToInt(arg(2)));
  if (EqualsNoCase(name, "Length")) return std::to_string(arg(0).size());
  if (EqualsNoCase(name, "FindText")) {
    const std::size_t at = FindNoCase(arg(0), arg(1));
    return at == std::string_view::npos ? arg(0) : arg(0).substr(at);
  }
  if (EqualsNoCase(name, "CountItems")) return std::to_string(CountOccurrences(arg(0), arg(1)));
  if (EqualsNoCase(name, "Trim")) {
    std::string t = arg(0);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
  }
  if (EqualsNoCase(name, "CALC")) {
    RealText result;
    EvaluateCalc(arg(0), &result);
    return result.str();
  }
  return std::string();
}

void EvaluateInlineFunctions(std::string& text) {
  if (text.find('(') == std::string::npos || text.find(')') == std::string::npos) return;
  int calls = 0;
  const std::size_t limit = text.size() + kMaxInlineGrowth;
  for (const char* function : kFunctionNames) {
    const std::string_view name = function;
    // Per form, where its search resumes: a call that never closes is left
    // as written and passed over.
    std::size_t from[3] = {0, 0, 0};
    while (calls < kMaxInlineCalls) {
      std::size_t at = std::string::npos;
      std::size_t form = 0;
      for (; form < 3; ++form) {
        at = FindNoCase(text, std::string(name) + std::string(kCallForms[form]), from[form]);
        if (at != std::string::npos) break;
      }
      if (at == std::string::npos) break;
      const std::size_t open = at + name.size() + kCallForms[form].size() - 1;
      const std::size_t close = CallEnd(text, open);
      const std::size_t replaced = close == std::string::npos ? 0 : close + 1 - at;
      // The room a result has: what the call text frees plus what is left of the growth.
      const std::size_t room = limit - std::min(limit, text.size() - replaced);
      std::optional<std::string> evaluated;
      if (close != std::string::npos) {
        evaluated = EvaluateInlineFunction(
            name, ParseInlineArguments(std::string_view(text).substr(open + 1, close - open - 1)), room);
      }
      if (!evaluated) {
        // Never closed, or too large: left as written and passed over.
        from[form] = at + 1;
        continue;
      }
      const std::string& result = *evaluated;
      ++calls;
      text.replace(at, replaced, result);
      for (std::size_t& f : from) {
        if (f <= at) continue;
        f = f >= at + replaced ? f - replaced + result.size() : at;
      }
    }
  }
}

}  // namespace zelo
