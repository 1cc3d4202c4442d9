#include "actions/keyboard/key_display_name.h"

#include "actions/keyboard/key_tables.h"

namespace zelo {

int KeyDisplayName(int vk, std::string* name, KeyNameModifiers modifiers) {
  name->clear();
  if (vk <= 0 || vk > 255) return 0;
  const uint8_t code = static_cast<uint8_t>(vk);
  if (code >= 'A' && code <= 'Z') {
    name->assign(1, static_cast<char>(code));
  } else if (code >= '0' && code <= '9') {
    const bool shifted = modifiers.shift && !modifiers.ctrl_or_alt;
    name->assign(1, shifted ? ShiftedDigit(code) : static_cast<char>(code));
  } else {
    char scratch[8];
    name->assign(FixedKeyDisplayName(code, scratch));
  }
  // Space has a name but, as a stop key, counts as none.
  return name->empty() || code == 32 ? 0 : vk;
}

}  // namespace zelo
