// The native build has no desktop: no windows to find.
#include "actions/windows/window_lookup.h"

namespace zelo {

namespace {

class NoWindows : public WindowTree {
 public:
  std::vector<WindowHandle> TopLevelWindows() override { return {}; }
  std::vector<WindowHandle> Descendants(WindowHandle) override { return {}; }
  std::string Text(WindowHandle) override { return {}; }
  std::string ClassName(WindowHandle) override { return {}; }
  int64_t Id(WindowHandle) override { return 0; }
  int64_t UserData(WindowHandle) override { return 0; }
  WindowHandle Parent(WindowHandle) override { return 0; }
  bool IsFramed(WindowHandle) override { return false; }
  bool IsTopLevel(WindowHandle) override { return false; }
  bool Exists(WindowHandle) override { return false; }
  WindowHandle FindTopLevel(std::string_view, std::string_view) override { return 0; }
};

}  // namespace

WindowTree& SystemWindowTree() {
  static NoWindows none;
  return none;
}

}  // namespace zelo
