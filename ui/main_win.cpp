// Program entry: registers the main window class "Zelomat", creates the main
// window and runs the message loop. The editor grows around this window.
#include <windows.h>

#include "ui/main_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  zelo::MainWindow window;
  if (!window.Create(instance, show)) return 1;
  return window.RunMessageLoop();
}
