// zxm fmt IN [OUT]: reads a script file the way the program opens it (older
// formats converted) and writes it the way the program saves it.
#include <cstdio>

#include "model/script_file.h"
#include "tools/zxm/zxm_commands.h"

namespace zelo::zxm {

int RunFormat(const Arguments& args) {
  if (args.empty() || args.size() > 2) {
    std::fprintf(stderr, "usage: zxm fmt IN [OUT]\n");
    return kExitUsage;
  }
  ConsoleSeam seam;
  Workspace ws(&seam);
  LoadScriptFile(ws, args[0], 0);

  if (args.size() == 2) {
    ws.slots[0].file_name = args[1];
    std::string error;
    if (!SaveScriptFile(ws, 0, &error)) {
      std::fprintf(stderr, "zxm: cannot write '%s': %s\n", args[1].c_str(), error.c_str());
      return kExitMessages;
    }
  } else {
    const std::string text = ScriptFileText(ws, 0);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
      std::fprintf(stderr, "zxm: cannot write the output\n");
      return kExitMessages;
    }
  }
  return seam.messages() > 0 ? kExitMessages : kExitOk;
}

}  // namespace zelo::zxm
