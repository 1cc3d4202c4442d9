#include <cstdio>

#include "tools/zxm/zxm_commands.h"

namespace zelo::zxm {

MessageAnswer ConsoleSeam::ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                       MessageIcon icon) {
  ++messages_;
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
  return SilentEditorSeam::ShowMessage(text, caption, buttons, icon);
}

}  // namespace zelo::zxm
