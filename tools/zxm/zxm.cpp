// zxm: the script tool for any machine. Global options come first and
// prepare the in-memory settings store; then one command from the table runs.
//
//   zxm [--set NAME=VALUE]... COMMAND ARGS...
#include <cstdio>
#include <cstring>
#include <string>

#include "settings/memory_settings.h"
#include "settings/setting_names.h"
#include "settings/settings.h"
#include "tools/zxm/zxm_commands.h"

namespace {

using zelo::zxm::Arguments;
using zelo::zxm::Command;

const Command kCommands[] = {
    {"fmt", "IN [OUT]", zelo::zxm::RunFormat},
    {"eval", "EXPR", zelo::zxm::RunEval},
    {"cond", "TEXT", zelo::zxm::RunCondition},
    {"expand", "TEXT [NAME=VALUE]...", zelo::zxm::RunExpand},
    {"check", "FILE", zelo::zxm::RunCheck},
    {"find-image", "SCREEN NEEDLE [--tolerance N] [--masked] [--from X,Y] [--to X,Y] [--slow-scan]",
     zelo::zxm::RunFindImage},
    {"find-pixel", "SCREEN COLOR [--tolerance N] [--from X,Y] [--to X,Y]", zelo::zxm::RunFindPixel},
};

void PrintUsage() {
  std::fprintf(stderr, "usage: zxm [--set NAME=VALUE]... COMMAND ARGS...\n");
  for (const Command& c : kCommands) std::fprintf(stderr, "  zxm %s %s\n", c.name, c.usage);
}

bool AllDigits(const std::string& s) {
  if (s.empty() || s.size() > 10) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return std::stoull(s) <= 0xFFFFFFFFull;
}

// "NAME=VALUE" becomes the setting SOFTWARE\Zelomat\NAME: a DWORD when VALUE
// is a number, else text.
bool ApplySet(const char* assignment) {
  const char* eq = std::strchr(assignment, '=');
  if (!eq || eq == assignment) return false;
  const std::string path = std::string(zelo::setting::kKey) + "\\" + std::string(assignment, eq);
  const std::string value = eq + 1;
  if (AllDigits(value)) return zelo::WriteSettingNumber(path, static_cast<uint32_t>(std::stoull(value)));
  return zelo::WriteSetting(path, value);
}

}  // namespace

int main(int argc, char** argv) {
  static zelo::MemorySettings store;
  zelo::UseSettings(&store);

  int i = 1;
  while (i < argc && std::strcmp(argv[i], "--set") == 0) {
    if (i + 1 >= argc || !ApplySet(argv[i + 1])) {
      std::fprintf(stderr, "zxm: --set needs NAME=VALUE\n");
      return zelo::zxm::kExitUsage;
    }
    i += 2;
  }
  if (i >= argc) {
    PrintUsage();
    return zelo::zxm::kExitUsage;
  }
  for (const Command& c : kCommands) {
    if (std::strcmp(argv[i], c.name) == 0) return c.run(Arguments(argv + i + 1, argv + argc));
  }
  std::fprintf(stderr, "unknown command\n");
  return zelo::zxm::kExitUsage;
}
