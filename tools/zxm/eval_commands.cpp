// zxm eval EXPR and zxm cond TEXT: the evaluator and the condition test of
// "Math Calculation" and "IF Expression", for trying expressions out and for
// scripts that check them. Several arguments are joined by blanks, so the
// shell's word splitting does not matter.
#include <cstdio>
#include <string>

#include "expr/condition.h"
#include "expr/evaluator.h"
#include "tools/zxm/zxm_commands.h"

namespace zelo::zxm {

namespace {

std::string Joined(const Arguments& args) {
  std::string text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) text += ' ';
    text += args[i];
  }
  return text;
}

}  // namespace

int RunEval(const Arguments& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: zxm eval EXPR\n");
    return kExitUsage;
  }
  RealText result;
  EvaluateCalc(Joined(args), &result);
  std::printf("%s\n", result.c_str());  // empty for an empty or overlong expression
  return kExitOk;
}

int RunCondition(const Arguments& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: zxm cond TEXT\n");
    return kExitUsage;
  }
  std::printf("%d\n", EvaluateCondition(Joined(args)) ? 1 : 0);
  return kExitOk;
}

}  // namespace zelo::zxm
