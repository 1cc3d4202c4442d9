// The program's conversions between text and real numbers.
#pragma once

#include <string_view>

#include "base/fixed_text.h"

namespace zelo {

// A real number as text: at most 63 characters.
using RealText = FixedText<64>;

// Reads the number at the start of text: an optional "-" as the very first
// character, then the run of digits and "." that follows; the value is that
// of the run up to its second ".". Anything else reads as 0: a leading
// blank, a leading "+", a text without digits. A comma ends the run
// (1,234.5 reads as 1). The whole run counts, so long numbers keep their
// magnitude; a run too large for a real reads as an infinity.
double TextToReal(std::string_view text);

// The same reading for a text that is already known to be such a run
// (optional "-", then digits and points), without the prefix scan.
double ReadDecimalRun(std::string_view run);

// Writes a real the way the program shows numbers:
//   - rounded to 20 places after the point, trailing zeros and point removed
//     (1/3 is 0.33333333333333331483, 2.5*4 is 10);
//   - when the fraction shows a run of seven zeros or nines after its first
//     significant digit (0.1+0.2 is 0.30000000000000004441), the binary noise
//     is dropped by rounding to 7 places instead (0.3); values below 1e-7
//     keep seven significant places there rather than turning into 0;
//   - a run of nines that survives that rounding is carried (2.99999994 is 3);
//   - a value whose digits would not fit in 63 characters (beyond about
//     1e62) is written in shortest exponent form, "1e+300";
//   - infinities are "inf" and "-inf", undefined results "nan"; a value that
//     rounds to zero at 20 places is "0".
RealText FormatReal(double value);

}  // namespace zelo
