#include "actions/windows/window_lookup.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<WindowTree*> g_tree{nullptr};
std::atomic<WindowHandle> g_main_window{0};
}  // namespace

WindowTree& ProgramWindowTree() {
  WindowTree* tree = g_tree.load();
  return tree != nullptr ? *tree : SystemWindowTree();
}
void UseWindowTree(WindowTree* tree) { g_tree.store(tree); }

void SetProgramMainWindow(WindowHandle window) { g_main_window.store(window); }
WindowHandle ProgramMainWindow() { return g_main_window.load(); }

WindowSearch FindWindowForStep(uint32_t flags, std::string_view spec, WindowQualifier qualifier) {
  return FindWindowBySpec(ProgramWindowTree(), ProgramMainWindow(), flags, spec, qualifier);
}

bool BelongsToProgram(WindowHandle window) {
  return OwnWindows(ProgramWindowTree(), ProgramMainWindow()).Owns(window);
}

}  // namespace zelo
