#include "actions/flow/loop_tests.h"

#include <string>

#include "actions/flow/file_line_loop.h"
#include "actions/shared/file_routines.h"
#include "actions/shared/folder_search.h"
#include "actions/shared/query_result.h"
#include "actions/windows/window_lookup.h"
#include "base/text.h"
#include "engine/loop_state.h"
#include "engine/run_engine.h"
#include "expr/condition.h"
#include "expr/variable_store.h"

namespace zelo {

namespace {

// Bounds the walk through the desktop's windows, should the system ever
// hand back a window list that runs in a circle.
constexpr int kMaxWindowsWalked = 100000;

bool FilesLoopGoesOn(int slot, const std::string& text, int32_t counter) {
  DeleteLoopVariable("file_loop", slot);
  LoopState& state = ProgramLoopState();
  if (counter == 0) state.folder_search = OpenFolderSearch(FilesLoopPattern(text, FolderExists(text)));
  if (!state.folder_search) return false;
  std::string name;
  bool is_folder = false;
  // A folder that vanishes under the search simply ends it.
  while (state.folder_search->Next(&name, &is_folder)) {
    if (is_folder) continue;
    SetLoopVariable("file_loop", name, slot);
    return true;
  }
  state.folder_search.reset();
  return false;
}

bool WindowsLoopGoesOn(RunEngine& run, int slot, int32_t counter) {
  DeleteLoopVariable("window_loop", slot);
  DeleteLoopVariable("hwnd_loop", slot);
  LoopState& state = ProgramLoopState();
  RunWindow& desktop = run.window();
  // The first iteration starts at the foreground window, later ones after
  // the window found last.
  uint64_t window = counter == 0 ? desktop.ForegroundWindow()
                    : state.window_position != 0 ? desktop.NextWindow(state.window_position)
                                                 : 0;
  for (int walked = 0; window != 0 && walked < kMaxWindowsWalked; ++walked) {
    if (desktop.IsFramedTopLevelWindow(window)) {
      state.window_position = window;
      SetCurrentWindow(window);
      SetLoopVariable("hwnd_loop", std::to_string(window), slot);
      SetLoopVariable("window_loop", desktop.WindowText(window), slot);
      return true;
    }
    window = desktop.NextWindow(window);
  }
  state.window_position = 0;
  return false;
}

bool DatasetLoopGoesOn(int slot, int32_t counter) {
  const QueryResult& result = ProgramQueryResult();
  if (!result.HasRows() || counter < 0 || counter >= result.row_count()) return false;
  SetLoopVariable("data_loop", result.RowText(counter), slot);
  return true;
}

}  // namespace

void SetLoopVariable(const char* name, const std::string& value, int slot) {
  WriteVariable(VariableKeyFor(name, slot), name, value);
}

void DeleteLoopVariable(const char* name, int slot) { DeleteVariable(VariableKeyFor(name, slot), name); }

bool LoopGoesOn(RunEngine& run, int slot, int index, LoopKind kind, const std::string& text, int32_t counter) {
  switch (kind) {
    case LoopKind::For: {
      const int32_t rounds = TextToInt(text);
      return rounds > 0 && counter < rounds;
    }
    case LoopKind::While:
      return EvaluateCondition(text);
    case LoopKind::FileLine:
      return FileLineLoopGoesOn(run, slot, index, text, counter);
    case LoopKind::Files:
      return FilesLoopGoesOn(slot, text, counter);
    case LoopKind::Windows:
      return WindowsLoopGoesOn(run, slot, counter);
    case LoopKind::Dataset:
      return DatasetLoopGoesOn(slot, counter);
    case LoopKind::Other:
      break;
  }
  return true;
}

}  // namespace zelo
