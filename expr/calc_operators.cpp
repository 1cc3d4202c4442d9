#include "expr/calc_operators.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zelo {

namespace {

struct OperatorEntry {
  char op;
  int precedence;
};

constexpr OperatorEntry kOperators[] = {
    {kCalcNegate, 6},
    {'^', 5},
    {'*', 4}, {'/', 4}, {'%', 4},
    {'+', 3}, {'-', 3},
    {'&', 2}, {'|', 2}, {'~', 2}, {'!', 2},
    {'<', 1}, {'=', 1}, {'>', 1},
};

constexpr std::array<int8_t, 256> BuildPrecedence() {
  std::array<int8_t, 256> table{};
  for (const OperatorEntry& e : kOperators) table[static_cast<unsigned char>(e.op)] = static_cast<int8_t>(e.precedence);
  return table;
}

constexpr std::array<int8_t, 256> kPrecedence = BuildPrecedence();

int32_t ToInt32(double x) {
  if (!std::isfinite(x)) return 0;
  double wrapped = std::fmod(std::trunc(x), 4294967296.0);  // exact for every double
  if (wrapped < 0) wrapped += 4294967296.0;
  return static_cast<int32_t>(static_cast<uint32_t>(wrapped));
}

// A real kept as an unevaluated sum hi + lo with about 106 bits, enough
// that powers by whole numbers come out correctly rounded and alike on
// every platform (the Windows C library's pow is off by a few units in the
// last place for 10^-2 or 3^34).
struct DoubleDouble {
  double hi, lo;
};

DoubleDouble QuickTwoSum(double a, double b) {
  double s = a + b;
  return {s, b - (s - a)};
}

// The exact product of two doubles as hi + lo (Dekker; needs no fused
// multiply-add, which not every C library computes exactly).
DoubleDouble TwoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  double p = a * b;
  double ta = kSplitter * a, tb = kSplitter * b;
  double ah = ta - (ta - a), al = a - ah;
  double bh = tb - (tb - b), bl = b - bh;
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DoubleDouble Multiply(DoubleDouble x, DoubleDouble y) {
  DoubleDouble p = TwoProduct(x.hi, y.hi);
  return QuickTwoSum(p.hi, p.lo + (x.hi * y.lo + x.lo * y.hi));
}

// Keeps x near 1 with its power of two counted apart, so that no product
// overflows or underflows however large the power grows.
void Normalize(DoubleDouble* x, int64_t* exp2) {
  // Within this range two factors multiply without either; most powers
  // never leave it.
  const double m = std::fabs(x->hi);
  if (m >= 0x1p-400 && m <= 0x1p400) return;
  int e = 0;
  std::frexp(x->hi, &e);
  x->hi = std::ldexp(x->hi, -e);
  x->lo = std::ldexp(x->lo, -e);
  *exp2 += e;
}

double Scale(double m, int64_t exp2) {
  if (exp2 == 0) return m;
  if (exp2 > 4096) exp2 = 4096;  // beyond any double: ldexp gives the infinity or 0
  if (exp2 < -4096) exp2 = -4096;
  return std::ldexp(m, static_cast<int>(exp2));
}

double Power(double base, double exponent) {
  const bool whole = std::fabs(exponent) <= 0x1p31 && exponent == std::trunc(exponent);
  if (!whole || base == 0 || !std::isfinite(base)) return std::pow(base, exponent);
  uint32_t n = static_cast<uint32_t>(std::fabs(exponent));
  DoubleDouble result{1, 0}, square{base, 0};
  int64_t result_exp = 0, square_exp = 0;
  Normalize(&square, &square_exp);
  for (;;) {
    if (n & 1) {
      result = Multiply(result, square);
      result_exp += square_exp;
      Normalize(&result, &result_exp);
    }
    n >>= 1;
    if (n == 0) break;
    square = Multiply(square, square);
    square_exp *= 2;
    Normalize(&square, &square_exp);
  }
  if (exponent >= 0) return Scale(result.hi, result_exp);
  // 1 / result, refined once with the residual 1 - result * q.
  double q = 1 / result.hi;
  DoubleDouble qr = Multiply(result, {q, 0});
  double residual = (1 - qr.hi) - qr.lo;
  return Scale(q + q * residual, -result_exp);
}

double Divide(double a, double b) {
  if (b != 0) return a / b;
  if (a == 0 || std::isnan(a)) return std::numeric_limits<double>::quiet_NaN();
  const bool negative = std::signbit(a) != std::signbit(b);
  return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
}

}  // namespace

int CalcPrecedence(char op) { return kPrecedence[static_cast<unsigned char>(op)]; }

double ApplyCalcOperator(char op, double a, double b) {
  switch (op) {
    case '^': return Power(a, b);
    case '*': return a * b;
    case '/': return Divide(a, b);
    case '%': return std::fmod(a, b);  // sign of a; NaN when b is 0
    case '+': return a + b;
    case '-': return a - b;
    case '&': return ToInt32(a) & ToInt32(b);
    case '|': return ToInt32(a) | ToInt32(b);
    case '~': return ToInt32(a) ^ ToInt32(b);
    case '!': return ~ToInt32(b);
    case '<': return a < b ? 1 : 0;
    case '=': return a == b ? 1 : 0;
    case '>': return a > b ? 1 : 0;
    default: return 0;
  }
}

}  // namespace zelo
