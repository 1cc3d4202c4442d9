// The subcommands of zxm. Each gets the arguments after its name and returns
// the process exit code; everything the program would show in a message box
// goes to stderr through ConsoleSeam.
#pragma once

#include <string>
#include <vector>

#include "model/editor_seam.h"

namespace zelo::zxm {

// Exit codes shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitMessages = 1;  // the program showed at least one message box
inline constexpr int kExitUsage = 2;

// Message boxes become lines on stderr and are counted; nothing else is shown.
class ConsoleSeam : public SilentEditorSeam {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                            MessageIcon icon) override;
  int messages() const { return messages_; }

 private:
  int messages_ = 0;
};

using Arguments = std::vector<std::string>;

struct Command {
  const char* name;
  const char* usage;  // arguments, for the help text
  int (*run)(const Arguments& args);
};

int RunFormat(const Arguments& args);
int RunEval(const Arguments& args);
int RunCondition(const Arguments& args);
int RunExpand(const Arguments& args);
int RunCheck(const Arguments& args);
int RunFindImage(const Arguments& args);
int RunFindPixel(const Arguments& args);

}  // namespace zelo::zxm
