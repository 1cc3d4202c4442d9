#include "actions/functions/function_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/action_handlers.h"
#include "actions/functions/text_functions.h"
#include "engine/run_test_fixture.h"

namespace zelo {
namespace {

int32_t FixedRandom(int32_t low, int32_t high) { return low * 1000 + high; }

FunctionOutcome Compute(std::string_view action, std::string text, std::string value1 = "", std::string value2 = "",
                        std::string options = "") {
  FunctionInputs in;
  in.action = action;
  in.text = std::move(text);
  in.value1 = std::move(value1);
  in.value2 = std::move(value2);
  in.stored_value2 = in.value2;
  in.options = std::move(options);
  return ComputeFunction(in, &FixedRandom);
}

TEST(FunctionKindOf, FirstKeywordInTheFixedOrderDecides) {
  EXPECT_EQ(FunctionKindOf("Get Length"), FunctionKind::Length);
  EXPECT_EQ(FunctionKindOf("uppercase"), FunctionKind::Upper);
  EXPECT_EQ(FunctionKindOf("Get Sub Text"), FunctionKind::SubText);
  EXPECT_EQ(FunctionKindOf("Pad String"), FunctionKind::Pad);
  EXPECT_EQ(FunctionKindOf("Right String"), FunctionKind::Right);
  EXPECT_EQ(FunctionKindOf("Encrypt/Decrypt Text"), FunctionKind::Crypt);
  EXPECT_EQ(FunctionKindOf("Absolute Value"), FunctionKind::Abs);
  EXPECT_EQ(FunctionKindOf("Number to Words"), FunctionKind::Words);
  EXPECT_EQ(FunctionKindOf("Math Calculation"), FunctionKind::Calc);
  EXPECT_EQ(FunctionKindOf("Random Number"), FunctionKind::Random);
  // "Format Number" holds no earlier keyword; a name with two keywords takes the first.
  EXPECT_EQ(FunctionKindOf("Format Number"), FunctionKind::Format);
  EXPECT_EQ(FunctionKindOf("Trim Length"), FunctionKind::Length);
  EXPECT_EQ(FunctionKindOf("Shuffle"), FunctionKind::Unknown);
}

TEST(ComputeFunction, ReadsOptionWordsAsSubstrings) {
  EXPECT_EQ(Compute("Replace Text", "AaA", "a", "b").result, "bbb");
  EXPECT_EQ(Compute("Replace Text", "AaA", "a", "b", "Case Sensitive").result, "AbA");
  EXPECT_EQ(Compute("Replace Text", "AaA", "a", "b", "first only").result, "baA");
  EXPECT_EQ(Compute("Get Sub Text", "aaa,\"bb,bb\",ccc", ",", "2", "Allow Quotes").result, "\"bb,bb\"");
  EXPECT_EQ(Compute("Find String", "abcABC", "B", "", "Case Sensitive").result, "BC");
}

TEST(ComputeFunction, TrimSideComesFromTheStoredValue) {
  FunctionInputs in;
  in.action = "Trim";
  in.text = "xxaxx";
  in.value1 = "x";
  in.value2 = "Front";
  in.stored_value2 = "%side%";  // not "F...": trims the end, whatever it expands to
  EXPECT_EQ(ComputeFunction(in, &FixedRandom).result, "xxa");
  in.stored_value2 = "Front";
  EXPECT_EQ(ComputeFunction(in, &FixedRandom).result, "axx");
  in.stored_value2 = "front";
  EXPECT_EQ(ComputeFunction(in, &FixedRandom).result, "xxa");
}

TEST(ComputeFunction, NumbersAndCounts) {
  EXPECT_EQ(Compute("Get Length", "hello").result, "5");
  EXPECT_EQ(Compute("Count Items", "a,b,c", ",").result, "2");
  EXPECT_EQ(Compute("Insert Text", "abc", "5", "X").result, "abc X");
  EXPECT_EQ(Compute("Pad String", "7", "3", "0").result, "700");
  EXPECT_EQ(Compute("Mid String", "abcdef", "3", "2").result, "bcd");
  EXPECT_EQ(Compute("Left String", "abcdef", "2").result, "ab");
  EXPECT_EQ(Compute("Absolute Value", "-3.7").result, "37");
  EXPECT_EQ(Compute("Format Number", "42.9", "%06d").result, "000042");
  EXPECT_EQ(Compute("Number to Words", "15").result, "Fifteen");
  EXPECT_EQ(Compute("Math Calculation", "(2+3)*4").result, "20");
  EXPECT_EQ(Compute("Math Calculation", "1+(2").result, "Bad Operator: (");
}

TEST(ComputeFunction, RandomRaisesNegativeBoundsToZero) {
  EXPECT_EQ(Compute("Random Number", "", "5", "9").result, "5009");
  EXPECT_EQ(Compute("Random Number", "", "-5", "-1").result, "0");
}

TEST(ComputeFunction, EncryptTwiceGivesTheTextBack) {
  const std::string once = Compute("Encrypt/Decrypt Text", "secret text", "k3y").result;
  EXPECT_NE(once, "secret text");
  EXPECT_EQ(Compute("Encrypt/Decrypt Text", once, "k3y").result, "secret text");
}

TEST(ComputeFunction, FailsForUnknownNamesAndHugeResultsKeepingTheText) {
  FunctionOutcome out = Compute("Shuffle", "abc");
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.error, "Unknown function: \"Shuffle\"");
  EXPECT_EQ(out.result, "abc");

  out = Compute("Pad String", "abc", "2000000000", "x");
  EXPECT_FALSE(out.passed);
  EXPECT_EQ(out.result, "abc");
  EXPECT_NE(out.error.find("too long"), std::string::npos);
  EXPECT_FALSE(Compute("Insert Text", "abc", "2000000000", "x").passed);
  EXPECT_TRUE(Compute("Pad String", "abc", "2000000000", "").passed);
}

// The handler inside a run: fields expanded by the services, the result
// saved also when the step fails.
class FunctionStepTest : public test::HandlerRunTest {
 protected:
  FunctionStepTest() {
    services.expand = &Expand;
    services.save = &Save;
    services.random = &FixedRandom;
    InstallActionHandlers(engine.handlers(), services);
  }

  ActionServices services;


 private:
  // Stands for substitution: "%v%" becomes "a", "%n%" becomes "3".
  static std::string Expand(std::string_view field, int, int) {
    std::string out = ReplaceText(field, "%v%", "a", true, false);
    return ReplaceText(out, "%n%", "3", true, false);
  }
};

TEST_F(FunctionStepTest, ExpandsFieldsAndSavesEveryResult) {
  StepRecord& pad = AddStep("Pad String", CAT_FUNCTIONS);
  pad.text.Assign("%v%");
  pad.value(1) = "%n%";
  pad.value(2) = "-";
  StepRecord& format = AddStep("Format Number", CAT_FUNCTIONS);
  format.text.Assign("%n%");
  format.value(1) = "%n%d";  // used as written: "%n" is shown, "%d" formats
  AddStep("Explode", CAT_FUNCTIONS).text.Assign("kept");
  RunAndWait();
  ASSERT_EQ(saved().size(), 3u);
  EXPECT_EQ(saved()[0], "0:a--");
  EXPECT_EQ(saved()[1], "1:%n3");
  EXPECT_EQ(saved()[2], "2:kept");
  ASSERT_EQ(errors().size(), 1u);
  EXPECT_EQ(errors()[0], "Unknown function: \"Explode\"");
}

}  // namespace
}  // namespace zelo
