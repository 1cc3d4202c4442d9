// Workspace: the program-wide editing state — the eight script slots, which
// one is current, the recorded event lists and the seam to the editor. The
// main window owns one; tests make their own.
#pragma once

#include <array>

#include "model/editor_seam.h"
#include "model/recording_table.h"
#include "model/script_slot.h"

namespace zelo {

struct Workspace {
  std::array<ScriptSlot, kMaxSlots> slots;
  int current = 0;
  RecordingTable recordings;

  explicit Workspace(EditorSeam* seam = nullptr) : seam_(seam) {}
  ScriptSlot& current_slot() { return slots[static_cast<std::size_t>(current)]; }
  EditorSeam& seam() { return seam_ ? *seam_ : silent_; }
  void set_seam(EditorSeam* seam) { seam_ = seam; }

 private:
  EditorSeam* seam_;
  SilentEditorSeam silent_;
};

}  // namespace zelo
