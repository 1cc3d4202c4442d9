#include "expr/char_classes.h"

#include <array>
#include <cstdint>

namespace zelo {

namespace {

struct ClassEntry {
  CharClass cls;
  std::string_view members;
};

constexpr ClassEntry kClasses[] = {
    {CharClass::kDigits, "0123456789"},
    {CharClass::kNumeric, "0123456789., +-"},
    {CharClass::kExpression, "0123456789., */+-()^%&|~!=<>"},
    {CharClass::kOperators, "*/+-()^%&|~!=<>"},
};

constexpr uint8_t ClassBit(CharClass cls) { return static_cast<uint8_t>(1u << static_cast<int>(cls)); }

// One byte per character with a bit per class, so a test is one load per character.
constexpr std::array<uint8_t, 256> BuildMembership() {
  std::array<uint8_t, 256> table{};
  for (const ClassEntry& e : kClasses)
    for (char c : e.members) table[static_cast<unsigned char>(c)] |= ClassBit(e.cls);
  return table;
}

constexpr std::array<uint8_t, 256> kMembership = BuildMembership();

}  // namespace

std::string_view CharClassMembers(CharClass cls) {
  for (const ClassEntry& e : kClasses)
    if (e.cls == cls) return e.members;
  return {};
}

bool CharsOnlyFrom(std::string_view text, CharClass cls) {
  const int n = static_cast<int>(cls);
  if (n < 1 || n > 7) return text.empty();
  const uint8_t bit = ClassBit(cls);
  for (char c : text)
    if (!(kMembership[static_cast<unsigned char>(c)] & bit)) return false;
  return true;
}

}  // namespace zelo
