// The operators of arithmetic expressions: their precedence and what they
// compute. Every operator is binary and left-associative, "^" included.
#pragma once

namespace zelo {

// The sign in front of an operand that is not a plain number, as in 2*-(3+4)
// or -(1)+5. It is never typed; the parser puts it where an operand is due.
// It binds tighter than every binary operator, like the sign of a number.
constexpr char kCalcNegate = 'm';

// Precedence of a binary operator character (5 for "^" down to 1 for the
// comparisons), or of kCalcNegate; 0 for anything else.
int CalcPrecedence(char op);

// Whether op is one of the binary operator characters "^%*/+-&|~!=<>".
inline bool IsCalcOperator(char op) { return op != kCalcNegate && CalcPrecedence(op) > 0; }

// a op b. Results follow IEEE arithmetic: x/0 is an infinity with the sign of
// x, 0/0 and x%0 are undefined (NaN), and overflow gives an infinity (2^99999,
// 1e308*10). The bitwise operators work on the operands truncated toward zero
// and taken modulo 2^32 as signed 32-bit integers, so 4294967295 is -1; an
// infinity or NaN counts as 0 there. Comparisons give 1 or 0 (0 with a NaN).
double ApplyCalcOperator(char op, double a, double b);

}  // namespace zelo
