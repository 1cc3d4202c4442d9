#include "actions/keyboard/key_sender.h"

namespace zelo {

// The native build has no input stream to send into.
KeySender* SystemKeySender() { return nullptr; }

}  // namespace zelo
