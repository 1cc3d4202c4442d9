// A run with the real loop, IF and failure handling, for the tests of
// categories 13 and 14. Steps of category 16 ("Record") write their expanded
// text into a list, so a test can see what the loop variables held.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "actions/flow/flow_actions.h"
#include "actions/conditions/if_actions.h"
#include "actions/shared/query_result.h"
#include "engine/handle_failure.h"
#include "engine/loop_state.h"
#include "engine/run_test_fixture.h"
#include "expr/expand_text.h"
#include "expr/testing/fake_substitution_context.h"
#include "expr/variable_store.h"

namespace zelo::test {

class FlowTest : public RunTest {
 protected:
  FlowTest() {
    UseSubstitutionContext(&context);
    engine.handlers().Set(CAT_FLOW, &RunFlowStep);
    engine.handlers().Set(CAT_IF, &RunIfStep);
    engine.handlers().Set(CAT_FUNCTIONS, &Record);
    engine.set_failure_handler(&HandleFailure);
    engine.OnFullRunStart(&ResetLoopStateForFullRun);
    ProgramQueryResult().Clear();
    ProgramLoopState().folder_search.reset();
    std::lock_guard<std::mutex> lock(recorded_mutex());
    recorded().clear();
  }
  ~FlowTest() override { UseSubstitutionContext(nullptr); }

  StepRecord& Flow(const char* action, const std::string& text = "") {
    StepRecord& step = AddStep(action, CAT_FLOW);
    step.text.Assign(text);
    return step;
  }
  StepRecord& If(const char* action, const std::string& text = "") {
    StepRecord& step = AddStep(action, CAT_IF);
    step.text.Assign(text);
    return step;
  }
  // A step that records its expanded text.
  StepRecord& RecordText(const std::string& text) {
    StepRecord& step = AddStep("Record", CAT_FUNCTIONS);
    step.text.Assign(text);
    return step;
  }
  static std::vector<std::string> Recorded() {
    std::lock_guard<std::mutex> lock(recorded_mutex());
    return recorded();
  }
  std::string Var(const char* name) {
    std::string text;
    ReadStoredVariable(kUserVariablesKey, name, &text);
    return text;
  }
  void SetVar(const char* name, const std::string& value) { WriteVariable(kUserVariablesKey, name, value); }

  FakeSubstitutionContext context;

 private:
  static std::vector<std::string>& recorded() {
    static std::vector<std::string> v;
    return v;
  }
  static std::mutex& recorded_mutex() {
    static std::mutex m;
    return m;
  }
  static int Record(RunEngine& run, const ActionServices*, int slot, int index) {
    const StepRecord& step = run.workspace().slots[static_cast<std::size_t>(slot)].steps[static_cast<std::size_t>(index)];
    ExpandText(step.text.view(), slot, index);
    std::lock_guard<std::mutex> lock(recorded_mutex());
    recorded().push_back(ExpansionBuffer());
    return 1;
  }
};

}  // namespace zelo::test
