// A fixture for tests of the script model: a fresh in-memory settings store,
// a workspace whose editor is a RecordingSeam, and one empty "(Untitled)"
// script open in the first slot.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/insert_action.h"
#include "model/slots.h"
#include "model/testing/recording_seam.h"
#include "model/undo.h"
#include "model/workspace.h"
#include "settings/memory_settings.h"
#include "settings/settings.h"

namespace zelo {

class EditingTest : public ::testing::Test {
 protected:
  EditingTest() : ws(&seam) {
    UseSettings(&settings);
    NewScript(ws);
  }
  ~EditingTest() override { UseSettings(nullptr); }

  ScriptSlot& slot() { return ws.current_slot(); }
  StepRecord& step(int i) { return slot().steps[static_cast<std::size_t>(i)]; }

  // Each command gets its own group, as each user command has its own tick.
  uint32_t NextGroup() { return ++group_; }

  // Appends catalogue actions as steps (each with its own undo record).
  void AddSteps(std::initializer_list<const char*> actions) {
    for (const char* a : actions) {
      int before = slot().step_count;
      ASSERT_NE(InsertCatalogueAction(ws, NextGroup(), {}, a, InsertPlace::AtEnd), 0) << a;
      ASSERT_EQ(slot().step_count, before + 1);
    }
  }
  // Appends n "Comment" steps whose text is "step <i>" and forgets their undo,
  // as if the script had just been loaded.
  void LoadComments(int n) {
    for (int i = 0; i < n; ++i) {
      AddSteps({"Comment"});
      step(slot().step_count - 1).text.Assign("step " + std::to_string(slot().step_count - 1));
    }
    ClearUndo(ws, ws.current);
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> t;
    for (int i = 0; i < slot().step_count; ++i) t.push_back(step(i).text.str());
    return t;
  }

  MemorySettings settings;
  RecordingSeam seam;
  Workspace ws;

 private:
  uint32_t group_ = 1000;
};

}  // namespace zelo
