#include "actions/keyboard/keyboard_platform.h"

namespace zelo {

KeyboardPlatform* SystemKeyboardPlatform() { return nullptr; }

}  // namespace zelo
