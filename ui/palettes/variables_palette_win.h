// The Variables palette: the stored user variables, name and value, re-read
// by the main window's five-second timer while the palette is shown.
#pragma once

#include <windows.h>

#include <memory>

namespace zelo {

class VariablesPalette {
 public:
  VariablesPalette();
  ~VariablesPalette();
  VariablesPalette(const VariablesPalette&) = delete;
  VariablesPalette& operator=(const VariablesPalette&) = delete;

  bool Create(HWND parent);
  HWND hwnd() const;
  // Re-reads every stored user variable; values longer than 455 characters
  // are shown cut with "...".
  void Reload();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zelo
