#include "ui/recent_files_win.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "base/ansi_text_win.h"
#include "ui/recent_files.h"

namespace zelo {

void NoteRecentFile(std::string_view path) {
  if (path.empty()) return;
  AddToRecentFiles(path);
  std::wstring wide = AnsiToWide(path);
  SHAddToRecentDocs(SHARD_PATHW, wide.c_str());
}

void ForgetRecentFile(std::string_view path) { RemoveFromRecentFiles(path); }

}  // namespace zelo
