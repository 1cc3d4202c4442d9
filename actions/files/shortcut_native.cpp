// Native build: there are no shell shortcuts, so every path is its own
// target. The Windows build resolves them in shortcut_win.cpp.

#include "actions/shared/file_routines.h"

namespace zelo {

bool ResolveShortcut(std::string_view path, std::string* target) {
  target->assign(path);
  return !path.empty();
}

}  // namespace zelo
