// The number transformations of the "Functions" actions: absolute value,
// number formatting and numbers in words.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

// TextToInt of text without its sign, in decimal (an integer function: the
// point of -3.7 is skipped, giving 37).
std::string AbsoluteValueText(std::string_view text);

// Formats the number in text by format. A format with a conversion letter
// (c d i o u x e f g s, either case) is a printf-style format: when it holds
// d, x, i or c anywhere the number is used truncated toward zero, else a
// real conversion gets the number plus 1e-10 (so 2.675 shows as 2.68 with
// "%.2f"), and "%s" gets text itself. Every conversion formats the one
// number; "%n", "*" widths and unknown letters are copied as they are.
// Any other format is a picture such as "#,###.##": its length without
// commas is the width and its places after the first "." the decimals of a
// zero-padded fixed-point number; commas in it ask for thousands separators.
std::string FormatNumberText(std::string_view text, std::string_view format);

// Puts a comma between every three digits of the integer part of a
// formatted number, leaving leading zeros ungrouped ("0001,234.50").
std::string GroupThousands(std::string_view number);

// text without "," and "$" as words: "One Thousand Two Hundred Thirty Four
// point Five". "Zero" for 0, "(Out of Range)" above 2000000000, empty for a
// negative number.
std::string NumberToWords(std::string_view text);

}  // namespace zelo
