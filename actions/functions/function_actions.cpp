#include "actions/functions/function_actions.h"

#include <cstdio>

#include "actions/functions/number_functions.h"
#include "actions/functions/text_functions.h"
#include "actions/shared/action_services.h"
#include "base/text.h"
#include "engine/run_engine.h"
#include "expr/evaluator.h"

namespace zelo {

namespace {

// Tested in this order: an earlier keyword wins over a later one that the
// same name also holds.
constexpr ActionWord<FunctionKind> kFunctionWords[] = {
    {"LENGTH", FunctionKind::Length}, {"UPPER", FunctionKind::Upper},    {"LOWER", FunctionKind::Lower},
    {"TRIM", FunctionKind::Trim},     {"REPLACE", FunctionKind::Replace}, {"INSERT", FunctionKind::Insert},
    {"SUB", FunctionKind::SubText},   {"COUNT", FunctionKind::Count},    {"FIND", FunctionKind::Find},
    {"PAD", FunctionKind::Pad},       {"MID", FunctionKind::Mid},        {"LEFT", FunctionKind::Left},
    {"RIGHT", FunctionKind::Right},   {"CRYPT", FunctionKind::Crypt},    {"abs", FunctionKind::Abs},
    {"FORMAT", FunctionKind::Format}, {"Word", FunctionKind::Words},     {"CALC", FunctionKind::Calc},
    {"RANDOM", FunctionKind::Random},
};

bool Option(const FunctionInputs& in, std::string_view word) { return ContainsNoCase(in.options, word); }

FunctionOutcome TooLong(const FunctionInputs& in, int32_t length) {
  FunctionOutcome out;
  out.result = in.text;
  out.passed = false;
  char buf[160];
  std::snprintf(buf, sizeof buf, "Result too long: %ld characters (at most %lu)", static_cast<long>(length),
                static_cast<unsigned long>(kMaxFunctionResult));
  out.error = buf;
  return out;
}

}  // namespace

const ActionWords<FunctionKind> kFunctionActions{kFunctionWords};

FunctionKind FunctionKindOf(std::string_view action) { return kFunctionActions.KindOf(action, FunctionKind::Unknown); }

FunctionOutcome ComputeFunction(const FunctionInputs& in, RandomSource random) {
  FunctionOutcome out;
  const std::string& t = in.text;
  switch (FunctionKindOf(in.action)) {
    case FunctionKind::Length:
      out.result = std::to_string(t.size());
      break;
    case FunctionKind::Upper:
      out.result = AsciiUpper(t);
      break;
    case FunctionKind::Lower:
      out.result = AsciiLowerText(t);
      break;
    case FunctionKind::Trim:
      out.result = TrimRepeats(t, in.value1, !in.stored_value2.empty() && in.stored_value2[0] == 'F');
      break;
    case FunctionKind::Replace:
      out.result = ReplaceText(t, in.value1, in.value2, Option(in, "Sensi"), Option(in, "First"));
      break;
    case FunctionKind::Insert: {
      const int32_t position = TextToInt(in.value1);
      if (position > 0 && static_cast<std::size_t>(position) > kMaxFunctionResult) return TooLong(in, position);
      out.result = InsertText(t, position, in.value2);
      break;
    }
    case FunctionKind::SubText:
      out.result = SubText(t, in.value1, TextToInt(in.value2), Option(in, "Sensi"), Option(in, "Quote"));
      break;
    case FunctionKind::Count:
      out.result = std::to_string(CountOccurrences(t, in.value1));
      break;
    case FunctionKind::Find:
      out.result = FindFrom(t, in.value1, Option(in, "Sensi"));
      break;
    case FunctionKind::Pad: {
      const int32_t length = TextToInt(in.value1);
      if (length > 0 && static_cast<std::size_t>(length) > kMaxFunctionResult && !in.value2.empty())
        return TooLong(in, length);
      out.result = PadText(t, length > 0 ? static_cast<std::size_t>(length) : 0, in.value2);
      break;
    }
    case FunctionKind::Mid:
      out.result = MidText(t, TextToInt(in.value1), TextToInt(in.value2));
      break;
    case FunctionKind::Left:
      out.result = LeftText(t, TextToInt(in.value1));
      break;
    case FunctionKind::Right:
      out.result = RightText(t, TextToInt(in.value1));
      break;
    case FunctionKind::Crypt:
      out.result = XorCipher(t, in.value1);
      break;
    case FunctionKind::Abs:
      out.result = AbsoluteValueText(t);
      break;
    case FunctionKind::Format:
      out.result = FormatNumberText(t, in.value1);
      break;
    case FunctionKind::Words:
      out.result = NumberToWords(t);
      break;
    case FunctionKind::Calc: {
      RealText text;
      EvaluateCalc(t, &text);
      out.result = text.str();
      break;
    }
    case FunctionKind::Random: {
      const int32_t low = std::max<int32_t>(TextToInt(in.value1), 0);
      const int32_t high = std::max<int32_t>(TextToInt(in.value2), 0);
      if (random == nullptr) {
        out.result = t;
        out.passed = false;
        out.error = "Random Number: no random source";
        break;
      }
      out.result = std::to_string(random(low, high));
      break;
    }
    case FunctionKind::Unknown:
      out.result = t;
      out.passed = false;
      out.error = "Unknown function: \"" + std::string(in.action) + "\"";
      break;
  }
  return out;
}

int RunFunctionStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  if (!ExpandsAndSaves(services)) {
    run.SetStepError("Functions are not connected to field expansion");
    return 0;
  }
  const auto expand = services->expand;
  const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
  FunctionInputs in;
  in.action = step.action.view();
  in.text = expand(step.text.view(), slot, index);
  in.value1 = FunctionKindOf(in.action) == FunctionKind::Format ? step.value(1).str()
                                                                : expand(step.value(1).view(), slot, index);
  in.value2 = expand(step.value(2).view(), slot, index);
  in.stored_value2 = step.value(2).view();
  in.options = expand(step.options.view(), slot, index);
  const FunctionOutcome out = ComputeFunction(in, services->random);
  if (!out.passed) run.SetStepError("%s", out.error.c_str());
  services->save(step, slot, index, out.result);
  return out.passed ? 1 : 0;
}

}  // namespace zelo
