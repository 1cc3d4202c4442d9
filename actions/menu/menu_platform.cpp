#include "actions/menu/menu_platform.h"

#include <atomic>

namespace zelo {

namespace {
std::atomic<MenuPlatform*> g_platform{nullptr};
}  // namespace

MenuPlatform& ProgramMenuPlatform() {
  MenuPlatform* platform = g_platform.load();
  return platform != nullptr ? *platform : SystemMenuPlatform();
}
void UseMenuPlatform(MenuPlatform* platform) { g_platform.store(platform); }

}  // namespace zelo
