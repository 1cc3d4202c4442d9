// The run engine's system facts and effects: other running instances, the
// user variables, the screen saver switch, ending a run thread by force and
// the failure screen image.
#pragma once

#include "engine/run_seams.h"

namespace zelo {

class WinRunSystem : public RunSystem {
 public:
  bool OtherInstanceRunning() override;
  void DeleteAllUserVariables() override;
  bool ScreenSaverActive() override;
  void SetScreenSaverActive(bool active) override;
  bool TerminateThread(std::thread& thread) override;
  bool CaptureScreen(const std::string& path) override;
};

}  // namespace zelo
