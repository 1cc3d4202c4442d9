// The text transformations of the "Functions" actions. Each works on the
// expanded source text and returns the new text; none of them fails.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zelo {

// Texts that padding or insertion may grow to; a longer request fails the
// step instead of exhausting memory.
inline constexpr std::size_t kMaxFunctionResult = 1u << 20;

// Removes every leading (from_front) or trailing repetition of what,
// ignoring letter case. An empty what leaves text unchanged.
std::string TrimRepeats(std::string_view text, std::string_view what, bool from_front);
// Replaces what by with, searching on after each inserted text. An empty
// what leaves text unchanged.
std::string ReplaceText(std::string_view text, std::string_view what, std::string_view with, bool case_sensitive,
                        bool first_only);
// Inserts insert before the 1-based position (below 1 counts as 1); a
// position beyond the end pads text with blanks up to it first.
std::string InsertText(std::string_view text, int32_t position, std::string_view insert);
// The item of the 1-based number (below 1 counts as 1) when text is cut at
// every delimiter; empty when there are fewer items. With allow_quotes a
// delimiter inside an open quote ('...' or "...") does not cut, and a
// doubled quote stands for one quote character that neither opens nor closes.
std::string SubText(std::string_view text, std::string_view delimiter, int32_t item, bool case_sensitive,
                    bool allow_quotes);
// Non-overlapping occurrences of what in text, ignoring letter case.
std::size_t CountOccurrences(std::string_view text, std::string_view what);
// text from the first occurrence of what to its end; text itself when what
// is empty or absent.
std::string FindFrom(std::string_view text, std::string_view what, bool case_sensitive);
// Appends copies of pad (the last one in part) until text has length
// characters. An empty pad leaves text unchanged.
std::string PadText(std::string_view text, std::size_t length, std::string_view pad);
// length characters from the 1-based start (below 1 counts as 1); empty for
// a start beyond the end or a negative length.
std::string MidText(std::string_view text, int32_t length, int32_t start);
std::string LeftText(std::string_view text, int32_t length);
std::string RightText(std::string_view text, int32_t length);
// The symmetric cipher of "Encrypt/Decrypt Text": each byte is XORed with
// the key byte at its position modulo the key's length, except that a byte
// equal to its key byte becomes 127 and 127 becomes the key byte, so the
// output never holds a NUL byte; a byte whose XOR would be 127 stays as it
// is, so that no two bytes meet in 127. Applying it twice gives the text back. An
// empty text or key leaves text unchanged.
std::string XorCipher(std::string_view text, std::string_view key);
// A, B, ... to upper or lower case; other bytes unchanged.
std::string AsciiUpper(std::string_view text);
std::string AsciiLowerText(std::string_view text);

}  // namespace zelo
