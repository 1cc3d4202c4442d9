// The inline functions of field expansion: Uppercase, Lowercase, ReplaceText,
// InsertText, GetSubText, Length, FindText, CountItems, Trim and CALC, each
// written as its name, "(", arguments separated by "," and ")".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

inline constexpr std::size_t kMaxInlineArguments = 4;
// A field is evaluated with at most this many calls: a call whose result
// holds a call again is evaluated again, and no field needs more.
inline constexpr int kMaxInlineCalls = 10000;
// The functions may grow a field by at most this much in all: a call whose
// result would pass it (an InsertText at position two billion, a ReplaceText
// that puts a long text in place of every letter) is left as written.
inline constexpr std::size_t kMaxInlineGrowth = std::size_t{16} << 20;

// The arguments between a call's parentheses: up to four, separated by ","
// outside quotes; blanks and tabs before each are skipped; a quoted argument
// is the text between its quote and the next quote of either kind; an
// unquoted one keeps its trailing blanks, except the last, which loses them.
std::vector<std::string> ParseInlineArguments(std::string_view inner);

// The result of one function (name as in the list, any letter case) for its
// arguments; missing arguments are empty. Nothing when the result would be
// longer than max_result.
std::optional<std::string> EvaluateInlineFunction(std::string_view name, const std::vector<std::string>& arguments,
                                                  std::size_t max_result = SIZE_MAX);

}  // namespace zelo
