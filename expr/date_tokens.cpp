// The date and time tokens of ExpandText, with the "++N" / "--N" offsets
// that move the time before it is shown.
#include <cstdio>

#include "base/text.h"
#include "expr/expansion_stages.h"
#include "expr/substitution_context.h"
#include "expr/text_replace.h"

namespace zelo {

namespace {

constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
constexpr const char* kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

// The unit of an offset is that of the first of these that the text holds.
struct OffsetUnit {
  const char* tokens[4];
  int64_t seconds;
};
constexpr OffsetUnit kOffsetUnits[] = {
    {{"%ss++", "%ss--", nullptr, nullptr}, 1},
    {{"%ii++", "%ii--", nullptr, nullptr}, 60},
    {{"%hh++", "%hh--", "%uu++", "%uu--"}, 3600},
    {{"%dd++", "%dd--", nullptr, nullptr}, 86400},
    {{"%mm++", "%mm--", nullptr, nullptr}, 31 * 86400},  // a month is 31 days
    {{"%yyyy++", "%yyyy--", "%yy++", "%yy--"}, 365 * 86400},
};

std::string Number(const char* pattern, long long n) {
  char buf[32];
  std::snprintf(buf, sizeof buf, pattern, n);
  return buf;
}

int64_t OffsetSeconds(const std::string& text) {
  for (const OffsetUnit& unit : kOffsetUnits)
    for (const char* token : unit.tokens)
      if (token && FindNoCase(text, token) != std::string_view::npos) return unit.seconds;
  return 0;
}

// Moves now by the text's offset and removes the offset's "++N" or "-N" text.
int64_t ApplyOffset(std::string& text, int64_t now) {
  std::size_t at = text.find("++");
  const bool forward = at != std::string::npos;
  if (!forward) at = text.find("--");
  if (at == std::string::npos) return now;
  const int64_t read = TextToInt(std::string_view(text).substr(at + 2, 5));
  const int64_t number = forward ? read : -read;
  now += number * OffsetSeconds(text);
  // "--15" is "-" followed by -15; an offset of 0 leaves "++0" in place.
  ReplaceAllNoCase(text, (number >= 1 ? "++" : "-") + std::to_string(number), "");
  return now;
}

}  // namespace

void ReplaceDateTokens(std::string& text) {
  if (text.find('%') == std::string::npos) return;
  SubstitutionContext& context = CurrentSubstitutionContext();
  const CivilTime t = context.LocalTime(ApplyOffset(text, context.Now()));
  const int month = t.month >= 1 && t.month <= 12 ? t.month - 1 : 0;
  const int weekday = t.weekday >= 0 && t.weekday <= 6 ? t.weekday : 0;
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  ReplaceAllNoCase(text, "%yyyy", Number("%04lld", t.year));
  ReplaceAllNoCase(text, "%yy", Number("%02lld", t.year - 2000LL));
  ReplaceAllNoCase(text, "%mmmm", kMonthNames[month]);
  ReplaceAllNoCase(text, "%mmm", std::string(kMonthNames[month], 3));
  ReplaceAllNoCase(text, "%dddd", kWeekdayNames[weekday]);
  ReplaceAllNoCase(text, "%ddd", std::string(kWeekdayNames[weekday], 3));
  ReplaceAllNoCase(text, "%mm", Number("%02lld", t.month));
  ReplaceAllNoCase(text, "%dd", Number("%02lld", t.day));
  ReplaceAllNoCase(text, "%uu", Number("%02lld", t.hour));
  ReplaceAllNoCase(text, "%a", t.hour < 12 ? "AM" : "PM");
  ReplaceAllNoCase(text, "%hh", Number("%02lld", hour12));
  ReplaceAllNoCase(text, "%ii", Number("%02lld", t.minute));
  ReplaceAllNoCase(text, "%ss", Number("%02lld", t.second));
}

}  // namespace zelo
