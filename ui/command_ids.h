// The command ids of the main window's menus and accelerators. Tests send
// them to the program's window as the menu would.
#pragma once

namespace zelo {

enum Command : int {
  CMD_NEW = 100,
  CMD_OPEN,
  CMD_SAVE,
  CMD_SAVE_AS,
  CMD_CLOSE,
  CMD_EXIT,
  CMD_RUN = 200,
  CMD_RUN_FROM_HERE,
  CMD_RUN_SINGLE_STEP,
  CMD_PAUSE,
  CMD_PAUSE_FORCE,  // the second stage of Pause, sent by the main window to itself
};

}  // namespace zelo
