#include "expr/text_collation.h"

#include <atomic>

namespace zelo {

namespace {

std::atomic<TextCollator> g_collator{nullptr};

// Lower-case counterpart of a code page 1252 byte.
unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}

// The primary weight: the group, then the folded byte within it.
int PrimaryWeight(unsigned char c) {
  const unsigned char folded = FoldCase(c);
  int group;
  if (c >= '0' && c <= '9') {
    group = 1;
  } else if (folded >= 'a' && folded <= 'z') {
    group = 2;
  } else if (c >= 0x80) {
    group = 3;
  } else {
    group = 0;
  }
  return group * 256 + folded;
}

}  // namespace

void UseTextCollator(TextCollator collator) { g_collator.store(collator); }

int CollateText(std::string_view a, std::string_view b, bool ignore_case) {
  TextCollator collator = g_collator.load();
  return collator ? collator(a, b, ignore_case) : PortableCollateText(a, b, ignore_case);
}

int PortableCollateText(std::string_view a, std::string_view b, bool ignore_case) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    int wa = PrimaryWeight(static_cast<unsigned char>(a[i]));
    int wb = PrimaryWeight(static_cast<unsigned char>(b[i]));
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  if (ignore_case) return 0;
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
    if (ca != cb) return FoldCase(ca) == ca ? -1 : 1;  // the lower-case one first
  }
  return 0;
}

}  // namespace zelo
