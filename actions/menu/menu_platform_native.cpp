// The native build has no windows and so no menus; no keys are sent.
#include "actions/menu/menu_platform.h"

namespace zelo {

namespace {

class NoMenus : public MenuPlatform {
 public:
  bool ReadMenuBar(WindowHandle, MenuNode*) override { return false; }
  void PostCommand(WindowHandle, uint32_t) override {}
  bool HasSystemMenu(WindowHandle) override { return false; }
  void SystemCommand(WindowHandle, SystemMenuCommand) override {}
  int ChoosePopupLine(const std::vector<PopupLine>&) override { return 0; }
  KeySender* Keys() override { return nullptr; }
  void Sleep(uint32_t) override {}
};

}  // namespace

MenuPlatform& SystemMenuPlatform() {
  static NoMenus none;
  return none;
}

}  // namespace zelo
