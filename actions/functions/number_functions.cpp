#include "actions/functions/number_functions.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "base/text.h"
#include "expr/real_text.h"

namespace zelo {

namespace {

// Added before real formatting so that decimal halves stored just below
// their value (2.675) round up as the user wrote them.
constexpr double kRoundingNudge = 0.0000000001;
// Widths and precisions of format conversions are held to this, so that a
// format cannot ask for gigabytes.
constexpr int kMaxConversionWidth = 1024;

bool HasAnyLetter(std::string_view text, std::string_view letters) {
  for (char c : text)
    if (letters.find(AsciiLower(c)) != std::string_view::npos) return true;
  return false;
}

int32_t TruncateToInt(double x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (x <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(x);
}

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  va_list copy;
  va_copy(copy, ap);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(&out[0], out.size(), format, ap);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(ap);
  return out;
}

struct Conversion {
  std::string flags;
  int width = -1;
  int precision = -1;
  char letter = 0;
  std::size_t length = 0;  // characters of the format it takes
};

// Reads "%[flags][width][.precision][length]letter" at format[0] == '%'.
bool ReadConversion(std::string_view format, Conversion* conv) {
  std::size_t i = 1;
  while (i < format.size() && std::string_view("-+ #0").find(format[i]) != std::string_view::npos)
    conv->flags += format[i++];
  auto read_number = [&](int* out) {
    int value = 0;
    bool any = false;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
      value = std::min(value * 10 + (format[i++] - '0'), kMaxConversionWidth);
      any = true;
    }
    if (any) *out = value;
    return any;
  };
  read_number(&conv->width);
  if (i < format.size() && format[i] == '.') {
    ++i;
    conv->precision = 0;
    read_number(&conv->precision);
  }
  // Length modifiers change nothing here: every value is formatted at its own size.
  while (i < format.size()) {
    if (std::string_view("hlLqjzt").find(format[i]) != std::string_view::npos) {
      ++i;
    } else if (format[i] == 'I') {
      ++i;
      if (format.substr(i, 2) == "64" || format.substr(i, 2) == "32") i += 2;
    } else {
      break;
    }
  }
  if (i >= format.size()) return false;
  conv->letter = format[i];
  conv->length = i + 1;
  return true;
}

std::string Spec(const Conversion& conv, const char* length, char letter) {
  std::string spec = "%" + conv.flags;
  if (conv.width >= 0) spec += std::to_string(conv.width);
  if (conv.precision >= 0) spec += "." + std::to_string(conv.precision);
  spec += length;
  spec += letter;
  return spec;
}

std::string ApplyConversion(const Conversion& conv, std::string_view text, double real, int32_t integer,
                            bool integer_mode) {
  switch (conv.letter) {
    case 'd':
    case 'i':
      return Printf(Spec(conv, "", 'd').c_str(), integer);
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      return Printf(Spec(conv, "", conv.letter).c_str(), static_cast<unsigned>(integer));
    case 'c': {
      const char c = static_cast<char>(integer);
      return c == 0 ? std::string() : Printf(Spec(conv, "", 'c').c_str(), c);
    }
    case 'e':
    case 'E':
    case 'f':
    case 'F':
    case 'g':
    case 'G':
      return Printf(Spec(conv, "", conv.letter).c_str(), integer_mode ? static_cast<double>(integer) : real);
    case 's':
    case 'S': {
      const std::string value(text);
      return Printf(Spec(conv, "", 's').c_str(), value.c_str());
    }
    default:
      return std::string();
  }
}

std::string ApplyPrintfFormat(std::string_view text, std::string_view format) {
  const double x = TextToReal(text);
  const bool integer_mode = HasAnyLetter(format, "dxic");
  const int32_t integer = TruncateToInt(x);
  const double real = x + kRoundingNudge;
  std::string out;
  std::size_t i = 0;
  while (i < format.size()) {
    if (format[i] != '%') {
      out += format[i++];
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    Conversion conv;
    const std::string_view rest = format.substr(i);
    if (!ReadConversion(rest, &conv) || std::string_view("diuoxXcCeEfFgGsS").find(conv.letter) == std::string_view::npos) {
      out += format[i++];  // not a conversion this program formats: shown as written
      continue;
    }
    out += ApplyConversion(conv, text, real, integer, integer_mode);
    i += conv.length;
  }
  return out;
}

std::string ApplyPicture(std::string_view text, std::string_view picture) {
  std::string plain;
  bool commas = false;
  for (char c : picture) {
    if (c == ',')
      commas = true;
    else
      plain += c;
  }
  const std::size_t point = plain.find('.');
  const int places = point == std::string::npos ? 0 : static_cast<int>(std::min<std::size_t>(plain.size() - point - 1, kMaxConversionWidth));
  const int width = static_cast<int>(std::min<std::size_t>(plain.size(), kMaxConversionWidth));
  std::string out = Printf("%0*.*f", width, places, TextToReal(text) + kRoundingNudge);
  return commas ? GroupThousands(out) : out;
}

constexpr const char* kDigitWords[] = {"Zero", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"};
constexpr const char* kTeenWords[] = {"Ten", "Eleven", "Twelve", "Thirteen", "Fourteen", "Fifteen", "Sixteen",
                                      "Seventeen", "Eighteen", "Nineteen"};
constexpr const char* kTensWords[] = {"", "Ten", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

void AppendWord(std::string* out, const char* word) {
  out->append(word);
  out->push_back(' ');
}

void AppendGroupWords(std::string* out, unsigned group) {
  if (group >= 100) {
    AppendWord(out, kDigitWords[group / 100]);
    AppendWord(out, "Hundred");
  }
  const unsigned rest = group % 100;
  if (rest >= 20 || rest == 10) {
    AppendWord(out, kTensWords[rest / 10]);
    if (rest % 10 != 0) AppendWord(out, kDigitWords[rest % 10]);
  } else if (rest >= 11) {
    AppendWord(out, kTeenWords[rest - 10]);
  } else if (rest >= 1) {
    AppendWord(out, kDigitWords[rest]);
  }
}

}  // namespace

std::string AbsoluteValueText(std::string_view text) {
  const int64_t value = TextToInt(text);
  return std::to_string(value < 0 ? -value : value);
}

std::string FormatNumberText(std::string_view text, std::string_view format) {
  if (HasAnyLetter(format, "cdiouxefgs")) return ApplyPrintfFormat(text, format);
  return ApplyPicture(text, format);
}

std::string GroupThousands(std::string_view number) {
  std::size_t start = 0;
  while (start < number.size() && (number[start] < '0' || number[start] > '9')) ++start;
  std::size_t end = start;
  while (end < number.size() && number[end] >= '0' && number[end] <= '9') ++end;
  std::size_t significant = start;
  while (significant + 1 < end && number[significant] == '0') ++significant;
  std::string out(number.substr(0, significant));
  const std::size_t digits = end - significant;
  for (std::size_t i = 0; i < digits; ++i) {
    if (i > 0 && (digits - i) % 3 == 0) out += ',';
    out += number[significant + i];
  }
  out.append(number.substr(end));
  return out;
}

std::string NumberToWords(std::string_view text) {
  std::string cleaned;
  for (char c : text)
    if (c != ',' && c != '$') cleaned += c;
  const double x = TextToReal(cleaned);
  if (std::isnan(x)) return std::string();
  if (x > 2000000000.0) return "(Out of Range)";
  if (x == 0) return "Zero";
  if (x < 0) return std::string();
  // Ten places, rounded as printed, decide both parts: 1.99999999999 is Two.
  const std::string digits = Printf("%.10f", x);
  const std::size_t point = digits.find('.');
  const uint64_t whole = std::strtoull(digits.substr(0, point).c_str(), nullptr, 10);
  std::string out;
  static constexpr struct {
    uint64_t size;
    const char* name;
  } kScales[] = {{1000000000, "Billion"}, {1000000, "Million"}, {1000, "Thousand"}, {1, nullptr}};
  for (const auto& scale : kScales) {
    const unsigned group = static_cast<unsigned>(whole / scale.size % 1000);
    if (group == 0) continue;
    AppendGroupWords(&out, group);
    if (scale.name) AppendWord(&out, scale.name);
  }
  if (point != std::string::npos) {
    std::string fraction = digits.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) {
      AppendWord(&out, "point");
      for (char c : fraction) AppendWord(&out, kDigitWords[c - '0']);
    }
  }
  if (!out.empty()) out.pop_back();
  return out;
}

}  // namespace zelo
