// The "Functions" category: nineteen actions that transform one text,
// usually a variable's value, and hand the result to the step's output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class FunctionKind {
  Length,
  Upper,
  Lower,
  Trim,
  Replace,
  Insert,
  SubText,
  Count,
  Find,
  Pad,
  Mid,
  Left,
  Right,
  Crypt,
  Abs,
  Format,
  Words,
  Calc,
  Random,
  Unknown,
};

// The action's kind from keywords in its name (the shared lookup over this
// table); Unknown when none is in it.
extern const ActionWords<FunctionKind> kFunctionActions;
FunctionKind FunctionKindOf(std::string_view action);

// The step's fields as the handler uses them: text, value1 and value2
// expanded (value1 of "Format Number" raw, so that its "%" conversions
// survive), value2 also as stored.
struct FunctionInputs {
  std::string_view action;
  std::string text;
  std::string value1;
  std::string value2;
  std::string_view stored_value2;
  std::string options;
};

struct FunctionOutcome {
  std::string result;
  bool passed = true;
  std::string error;  // the step error text when the step fails
};

using RandomSource = int32_t (*)(int32_t low, int32_t high);

// Computes the action's result. Fails only for an unknown action name (the
// result is then the text unchanged) and for a result longer than
// kMaxFunctionResult.
FunctionOutcome ComputeFunction(const FunctionInputs& inputs, RandomSource random);

// The handler of the category: expands the fields through the services,
// computes the result and always saves it to the step's output, also when
// the step fails. 1 = pass, 0 = fail with the reason in the step error text.
int RunFunctionStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
