#include "actions/wait/step_window_finder.h"

#include "actions/windows/window_lookup.h"

namespace zelo {

WindowLookup StepWindowFinder::FindByTitle(std::string_view title) {
  WindowLookup lookup;
  lookup.window = FindWindowForStep(SEARCH_TITLE, title, WindowQualifier::Any).window;
  if (lookup.window == 0) return lookup;
  lookup.outcome = FindOutcome::Found;
  lookup.program_window = BelongsToProgram(lookup.window);
  return lookup;
}

}  // namespace zelo
