// The date and time tokens of ExpandText, with the "++N" / "--N" offsets
// that move the time before it is shown.
#include <cstdio>

#include "base/text.h"
#include "expr/expansion_stages.h"
#include "expr/substitution_context.h"
#include "expr/text_replace.h"
#include "expr/token_text.h"

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

int64_t OffsetSeconds(const TokenText& t) {
  for (const OffsetUnit& unit : kOffsetUnits)
    for (const char* token : unit.tokens)
      if (token && t.Holds(token)) return unit.seconds;
  return 0;
}

// The text's offset in seconds; removes the offset's "++N" or "-N" text.
int64_t TakeOffset(TokenText& t) {
  std::string& text = t.text();
  std::size_t at = text.find("++");
  const bool forward = at != std::string::npos;
  if (!forward) at = text.find("--");
  if (at == std::string::npos) return 0;
  const int64_t read = TextToInt(std::string_view(text).substr(at + 2, 5));
  const int64_t number = forward ? read : -read;
  const int64_t offset = number * OffsetSeconds(t);
  // "--15" is "-" followed by -15; an offset of 0 leaves "++0" in place.
  t.ReplaceWith((number >= 1 ? "++" : "-") + std::to_string(number), "");
  return offset;
}

}  // namespace

void ReplaceDateTokens(std::string& text) {
  if (text.find('%') == std::string::npos) return;
  SubstitutionContext& context = CurrentSubstitutionContext();
  TokenText text_tokens(text);
  const int64_t offset = TakeOffset(text_tokens);
  // The clock is read only for a field that shows it.
  bool shows_time = false;
  for (const char* first : {"%y", "%m", "%d", "%u", "%a", "%h", "%i", "%s"}) shows_time = shows_time || text_tokens.Holds(first);
  if (!shows_time) return;
  const CivilTime t = context.LocalTime(context.Now() + offset);
  const int month = t.month >= 1 && t.month <= 12 ? t.month - 1 : 0;
  const int weekday = t.weekday >= 0 && t.weekday <= 6 ? t.weekday : 0;
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  auto replace = [&](const char* token, auto&& make) { text_tokens.Replace(token, make); };
  replace("%yyyy", [&] { return Number("%04lld", t.year); });
  replace("%yy", [&] { return Number("%02lld", t.year - 2000LL); });
  replace("%mmmm", [&] { return std::string(kMonthNames[month]); });
  replace("%mmm", [&] { return std::string(kMonthNames[month], 3); });
  replace("%dddd", [&] { return std::string(kWeekdayNames[weekday]); });
  replace("%ddd", [&] { return std::string(kWeekdayNames[weekday], 3); });
  replace("%mm", [&] { return Number("%02lld", t.month); });
  replace("%dd", [&] { return Number("%02lld", t.day); });
  replace("%uu", [&] { return Number("%02lld", t.hour); });
  replace("%a", [&] { return std::string(t.hour < 12 ? "AM" : "PM"); });
  replace("%hh", [&] { return Number("%02lld", hour12); });
  replace("%ii", [&] { return Number("%02lld", t.minute); });
  replace("%ss", [&] { return Number("%02lld", t.second); });
}

}  // namespace zelo
