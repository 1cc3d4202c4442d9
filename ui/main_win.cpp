// Program entry: puts the settings in the registry and writes the missing
// defaults, lets conditions order texts by the user's locale, registers the
// main window class "Zelomat", creates the main window and runs the message
// loop. The editor grows around this window.
#include <windows.h>

#include "expr/text_collation.h"
#include "expr/text_collation_win.h"
#include "settings/defaults.h"
#include "settings/dialog_font_win.h"
#include "settings/registry_settings_win.h"
#include "settings/settings.h"
#include "ui/main_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  zelo::RegistrySettings registry;
  zelo::UseSettings(&registry);
  zelo::WriteSettingDefaults(false, {zelo::DialogFontHeight(), nullptr});
  zelo::UseTextCollator(&zelo::SystemCollateText);

  zelo::MainWindow window;
  if (!window.Create(instance, show)) return 1;
  return window.RunMessageLoop();
}
