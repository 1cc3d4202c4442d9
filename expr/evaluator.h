// Arithmetic expressions such as "(2+3)*4" or "%count%+1" after expansion,
// computed to a real number and its text. Serves "Math Calculation", the
// inline CALC function and the argument arithmetic of API calls.
#pragma once

#include <cstddef>
#include <string_view>

#include "expr/real_text.h"

namespace zelo {

// The fixed working set of one evaluation. An expression that needs more
// ends with value 0 and an empty result text.
constexpr std::size_t kCalcQueueCapacity = 240;          // numbers and operators in evaluation order; reaching it ends
constexpr std::size_t kCalcOperatorStackCapacity = 255;  // pending operators and "("
constexpr std::size_t kCalcValueStackCapacity = 256;     // operands while the queue is computed

// Computes expression and returns its value. Blanks, tabs and line breaks
// are removed first, then the first "CALC" (any case); every character that
// is neither a digit, ".", "(", ")" nor one of the operators "^*/%+-&|~!<=>"
// is skipped. A "-" where an operand is due is a sign (1+2+-3 is 0,
// 2*-(1+2) is -6). When result_text is given it receives FormatReal of the
// value, "Bad Operator: (" when an unclosed "(" is left between two
// operands, or stays empty for an empty expression and a working-set
// overflow. Division by zero and overflow give infinities or NaN, shown as
// "inf", "-inf" and "nan" (see ApplyCalcOperator and FormatReal).
double EvaluateCalc(std::string_view expression, RealText* result_text);

}  // namespace zelo
