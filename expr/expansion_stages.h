// The stages of ExpandText, in the order it runs them. Each works on the
// text in place; the text keeps the byte 0xFF for an escaped "%" from the
// first stage to the last.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelo {

inline constexpr char kEscapedPercent = '\xFF';

// "%%" becomes the escape byte; every escape byte becomes "%" again.
void EscapeDoublePercent(std::string& text);
void UnescapePercent(std::string& text);

// "%" + loop variable name, for each loop variable stored directly under
// UserVariables, becomes its text (at most 259 characters).
void SubstituteLoopVariables(std::string& text);

// A reference found inside a substituted value is substituted only this many
// values deep: a variable whose value refers to itself is thus substituted
// 16 times, and the last reference stays as written. Chains of variables that
// name each other are far shorter in practice.
inline constexpr int kMaxReferenceDepth = 16;
// References inside substituted values stop being substituted once they have
// added this many bytes, so that values referring to themselves several
// times cannot grow a field without end. References written in the field
// itself are always substituted.
inline constexpr std::size_t kMaxNestedGrowth = std::size_t{16} << 20;

// "%" + name for every stored variable of key, the longest stored prefix of
// the name winning; the value (a variable file's content for a "path*"
// value) is scanned again for references after its first character.
void SubstituteUserVariables(std::string& text, std::string_view key);

// "{ENTER}", "{TAB}", "{SPACE}" and the Windows constants table.
void ReplaceKeyNamesAndConstants(std::string& text);

// The system tokens, from the folders to the random letters, for the script
// in slot at step index. Runs only when the text holds a "%".
void ReplaceSystemTokens(std::string& text, int slot, int step);

// The date and time tokens with their "++N"/"--N" offsets. Runs only when the
// text holds a "%".
void ReplaceDateTokens(std::string& text);

// The inline functions, when the text holds both "(" and ")".
void EvaluateInlineFunctions(std::string& text);

}  // namespace zelo
