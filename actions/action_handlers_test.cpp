#include "actions/action_handlers.h"

#include <gtest/gtest.h>

#include <string>

#include "actions/shared/file_test_support.h"
#include "engine/run_test_fixture.h"
#include "expr/random.h"
#include "expr/testing/fake_substitution_context.h"
#include "expr/variable_store.h"
#include "model/catalogue.h"

namespace zelo {
namespace {

// A catalogue action that its category's handler spells differently would
// take the handler's fallback: start a program named by its text, or fail as
// an unknown function. Every handler the program has knows every action the
// catalogue puts into its category by a row of its name table.
TEST(InstalledHandlers, KnowEveryCatalogueActionOfTheirCategory) {
  std::size_t handler_count = 0;
  const CategoryHandler* handlers = CategoryHandlers(&handler_count);
  std::size_t entry_count = 0;
  const CatalogueEntry* entries = CatalogueEntries(&entry_count);
  HandlerTable installed;
  InstallActionHandlers(installed);
  for (const CategoryHandler* h = handlers; h != handlers + handler_count; ++h) {
    EXPECT_EQ(installed.Get(h->category), h->handler) << "category " << h->category;
    for (const CatalogueEntry* e = entries; e != entries + entry_count; ++e) {
      if (e->category != h->category) continue;
      EXPECT_TRUE(h->knows(e->name)) << "category " << h->category << ": " << e->name;
    }
  }
}

// The program's handler table: Functions steps expand their fields, save
// their results and draw random numbers through the real services.
class InstalledHandlersTest : public test::RunTest {
 protected:
  InstalledHandlersTest() {
    UseSubstitutionContext(&context);
    InstallActionHandlers(engine.handlers());
  }
  ~InstalledHandlersTest() override { UseSubstitutionContext(nullptr); }

  StepRecord& AddFunction(std::string_view action, std::string_view text, std::string_view variable) {
    StepRecord& step = AddStep(action, CAT_FUNCTIONS);
    step.text.Assign(text);
    step.output = "Variable";
    step.output_value = variable;
    return step;
  }
  std::string Variable(std::string_view name) {
    std::string value;
    ReadStoredVariable(kUserVariablesKey, name, &value);
    return value;
  }
  bool HasLogLine(const std::string& line) const {
    for (const std::string& l : context.log)
      if (l == line) return true;
    return false;
  }

  FakeSubstitutionContext context;
};

TEST_F(InstalledHandlersTest, AFunctionResultReachesAVariableThatALaterStepExpands) {
  AddFunction("Uppercase", "abc %n", "%shout");
  AddFunction("Get Length", "%shout", "size");
  RunAndWait();
  EXPECT_EQ(Variable("shout"), "ABC \n");
  EXPECT_EQ(Variable("size"), "5");
  EXPECT_TRUE(HasLogLine("\tshout = \"ABC \n\"\r\n"));
  EXPECT_TRUE(HasLogLine("\tsize = \"5\"\r\n"));
  EXPECT_EQ(Log().find("ERROR"), std::string::npos) << Log();
}

TEST_F(InstalledHandlersTest, RandomNumbersComeFromTheProgramsGenerator) {
  StepRecord& fixed = AddFunction("Random Number", "", "fixed");
  fixed.value(1) = "5";
  fixed.value(2) = "5";
  StepRecord& die = AddFunction("Random Number", "", "die");
  die.value(1) = "1";
  die.value(2) = "6";
  SeedRandom(7);
  RunAndWait();
  EXPECT_EQ(Variable("fixed"), "5");
  // The second draw of the seeded generator, scaled onto 1..6.
  SeedRandom(7);
  RandomInRange(5, 5);
  EXPECT_EQ(Variable("die"), std::to_string(RandomInRange(1, 6)));
}

TEST_F(InstalledHandlersTest, AnUnknownFunctionFailsItsStepButStillSavesTheText) {
  AddFunction("Shuffle", "kept as is", "out");
  engine.set_failure_handler([](RunEngine& run, int, int index) {
    run.state().step_error.clear();
    return index + 1;
  });
  RunAndWait();
  EXPECT_EQ(Variable("out"), "kept as is");
}

TEST_F(InstalledHandlersTest, AFileLineReachesAVariable) {
  test::ScratchFiles files;
  const std::string path = files.Write("lines.txt", "one\r\ntwo");
  AddFunction("Get Length", "ab", "which");
  StepRecord& step = AddStep("Read File Line", CAT_FILES);
  step.value(1) = path;
  step.value(2) = "%which";  // the number the step before saved
  step.output = "Variable";
  step.output_value = "line";
  RunAndWait();
  EXPECT_EQ(Variable("line"), "two");
  EXPECT_EQ(Log().find("ERROR"), std::string::npos) << Log();
}

}  // namespace
}  // namespace zelo
