// The "Functions" category: nineteen actions that transform one text,
// usually a variable's value, and hand the result to the step's output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/step_record.h"

namespace zelo {

class HandlerTable;
class RunEngine;

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

// The action's kind from keywords in its name, tested in a fixed order
// without regard to case; the first match decides.
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

// What the handler takes from substitution and result saving; the program
// passes ExpandText (copying its buffer), SaveStepOutput and RandomInRange.
struct FunctionServices {
  std::string (*expand)(std::string_view field, int slot, int step) = nullptr;
  void (*save)(const StepRecord& step, int slot, int step_index, std::string_view data) = nullptr;
  RandomSource random = nullptr;
};

// The handler of the category: expands the fields, computes the result and
// always hands it to the step's output, also when the step fails. 1 = pass,
// 0 = fail with the reason in the step error text.
int RunFunctionStep(RunEngine& run, int slot, int index);

// Makes RunFunctionStep the category's handler in table, using services.
void RegisterFunctionActions(HandlerTable& table, const FunctionServices& services);

}  // namespace zelo
