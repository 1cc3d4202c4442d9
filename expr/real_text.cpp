#include "expr/real_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zelo {

namespace {

constexpr int kShownPlaces = 20;
constexpr int kNoisePlaces = 7;
constexpr std::size_t kNoiseRun = 7;
// The longest fixed-point text: 309 integer digits, the point and the places.
constexpr std::size_t kDigitsCapacity = 309 + 1 + kShownPlaces + 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Fixed-point digits of a non-negative finite value rounded to places, with
// trailing zeros and a trailing point removed.
std::string_view FixedDigits(double value, int places, char (&buf)[kDigitsCapacity]) {
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, places);
  if (res.ec != std::errc()) return std::string_view();  // the buffer holds any double; exponent form then
  std::size_t n = static_cast<std::size_t>(res.ptr - buf);
  if (places > 0) {
    while (buf[n - 1] == '0') --n;
    if (buf[n - 1] == '.') --n;
  }
  return std::string_view(buf, n);
}

struct Noise {
  std::size_t place = std::string_view::npos;  // 0-based place after the point where the run starts
  std::size_t leading_zeros = 0;               // zeros between "0." and the first significant digit
};

// Binary noise shows as a run of zeros or nines in the fraction. The zeros
// that lead the fraction of a small value are significant, so the search
// starts at the first significant digit.
Noise FindNoise(std::string_view digits) {
  Noise noise;
  std::size_t point = digits.find('.');
  if (point == std::string_view::npos) return noise;
  std::string_view frac = digits.substr(point + 1);
  std::size_t from = 0;
  if (digits.substr(0, point) == "0")
    while (from < frac.size() && frac[from] == '0') ++from;
  noise.leading_zeros = from;
  std::size_t run = 0;
  for (std::size_t i = from; i < frac.size(); ++i) {
    if ((frac[i] == '0' || frac[i] == '9') && run > 0 && frac[i] == frac[i - 1]) {
      ++run;
    } else {
      run = (frac[i] == '0' || frac[i] == '9') ? 1 : 0;
    }
    if (run == kNoiseRun) {
      noise.place = i + 1 - kNoiseRun;
      break;
    }
  }
  return noise;
}

}  // namespace

double ReadDecimalRun(std::string_view run) {
  bool negative = !run.empty() && run[0] == '-';
  if (negative) run.remove_prefix(1);
  // The conversion stops at a second point, as the C conversion does.
  std::size_t first_point = run.find('.');
  if (first_point != std::string_view::npos) run = run.substr(0, run.find('.', first_point + 1));
  double value = 0;
  auto res = std::from_chars(run.data(), run.data() + run.size(), value, std::chars_format::fixed);
  if (res.ec == std::errc::invalid_argument) {
    value = 0;
  } else if (res.ec == std::errc::result_out_of_range) {
    // Too large or too small for a real: an integer part with a non-zero
    // digit overflowed, anything else underflowed.
    bool large = false;
    for (char c : run.substr(0, first_point)) large = large || (c >= '1' && c <= '9');
    value = large ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

double TextToReal(std::string_view text) {
  std::size_t end = (!text.empty() && text[0] == '-') ? 1 : 0;
  while (end < text.size() && (IsDigit(text[end]) || text[end] == '.')) ++end;
  return ReadDecimalRun(text.substr(0, end));
}

RealText FormatReal(double value) {
  // Texts a script can test for; the C runtime's own forms ("1.#INF") are not.
  if (std::isnan(value)) return RealText("nan");
  if (std::isinf(value)) return RealText(value > 0 ? "inf" : "-inf");
  if (value == 0) return RealText("0");

  const double magnitude = std::fabs(value);
  char buf[kDigitsCapacity];
  std::string_view digits = FixedDigits(magnitude, kShownPlaces, buf);
  if (digits == "0") return RealText("0");

  Noise noise = FindNoise(digits);
  if (noise.place != std::string_view::npos) {
    int places = kNoisePlaces;
    if (noise.leading_zeros >= kNoiseRun) places += static_cast<int>(noise.leading_zeros);
    digits = FixedDigits(magnitude, places, buf);
    // Rounding at the start of a run that is still there cuts a run of zeros
    // and carries a run of nines.
    Noise left = FindNoise(digits);
    if (left.place != std::string_view::npos) digits = FixedDigits(magnitude, static_cast<int>(left.place), buf);
  }

  const bool negative = value < 0;
  if (digits.empty() || digits.size() + (negative ? 1 : 0) > RealText::kMaxLength) {
    char sci[64];
    auto res = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific);
    return RealText(std::string_view(sci, static_cast<std::size_t>(res.ptr - sci)));
  }
  RealText out;
  if (negative) {
    char signed_digits[RealText::kCapacity];
    signed_digits[0] = '-';
    std::copy(digits.begin(), digits.end(), signed_digits + 1);
    out.assign(std::string_view(signed_digits, digits.size() + 1));
  } else {
    out.assign(digits);
  }
  return out;
}

}  // namespace zelo
