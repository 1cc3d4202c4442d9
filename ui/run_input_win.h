// The run engine's keyboard and mouse: the stop key test and the release of
// what the program itself holds down when a run ends.
#pragma once

#include "engine/run_seams.h"

namespace zelo {

class WinRunInput : public RunInput {
 public:
  bool KeyPressed(int virtual_key) override;
  void ForgetHeldModifiers() override;
  void ReleaseHeldInput() override;
  bool JournalHookInstalled() override;
  void RemoveJournalHook() override;
  bool CapsLockOn() override;
};

}  // namespace zelo
