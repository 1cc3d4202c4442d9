// zxm expand TEXT [NAME=VALUE]...: prints TEXT as a step field expands when
// it runs, with the given user variables stored first. System facts come
// from this machine (clock, environment, current folder); what only the
// windowed program knows (windows, mouse, screen) reads as absent.
#include <cstdio>
#include <string>

#include "expr/expand_text.h"
#include "expr/variable_store.h"
#include "settings/settings.h"
#include "tools/zxm/zxm_commands.h"

namespace zelo::zxm {

int RunExpand(const Arguments& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: zxm expand TEXT [NAME=VALUE]...\n");
    return kExitUsage;
  }
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::size_t eq = args[i].find('=');
    std::string name = args[i].substr(0, eq);
    if (!name.empty() && name[0] == '%') name.erase(0, 1);
    if (eq == std::string::npos || name.empty()) {
      std::fprintf(stderr, "zxm: expand needs NAME=VALUE, not '%s'\n", args[i].c_str());
      return kExitUsage;
    }
    // Where the script of the first tab reads them, in local variable mode too.
    WriteSetting(VariableKeyFor(name, 0) + "\\" + name, args[i].substr(eq + 1));
  }
  ExpandText(args[0], 0, 0);
  const std::string& text = ExpansionBuffer();
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fputc('\n', stdout) == EOF ||
      std::fflush(stdout) != 0) {
    std::fprintf(stderr, "zxm: cannot write the output\n");
    return kExitMessages;
  }
  return kExitOk;
}

}  // namespace zelo::zxm
