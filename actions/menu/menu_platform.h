// What the "Menu" steps do to a window's menus. The Windows build reads and
// drives the system's menus; native builds have none; tests record.
#pragma once

#include <cstdint>
#include <vector>

#include "actions/keyboard/key_sender.h"
#include "actions/menu/menu_path.h"
#include "actions/windows/window_tree.h"

namespace zelo {

class MenuPlatform {
 public:
  virtual ~MenuPlatform() = default;
  // The window's menu bar, read to kMenuDepthRead levels; false when it has none.
  virtual bool ReadMenuBar(WindowHandle window, MenuNode* bar) = 0;
  virtual void PostCommand(WindowHandle window, uint32_t command) = 0;
  virtual bool HasSystemMenu(WindowHandle window) = 0;
  virtual void SystemCommand(WindowHandle window, SystemMenuCommand command) = 0;
  // Shows the lines as a popup menu at the pointer; the chosen line's
  // number (from 1), 0 when nothing was chosen.
  virtual int ChoosePopupLine(const std::vector<PopupLine>& lines) = 0;
  virtual KeySender* Keys() = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

MenuPlatform& ProgramMenuPlatform();
void UseMenuPlatform(MenuPlatform* platform);
MenuPlatform& SystemMenuPlatform();

}  // namespace zelo
