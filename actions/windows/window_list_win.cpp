#include "actions/windows/window_list.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "actions/programs/program_platform.h"
#include "actions/shared/file_routines.h"
#include "actions/windows/find_window.h"
#include "actions/windows/window_lookup.h"
#include "base/ansi_text_win.h"

namespace zelo {

bool ShowWindowList(WindowQualifier qualifier) {
  std::string path = OwnProgramPath();
  const std::size_t slash = path.find_last_of("\\/");
  path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + "windows.txt";
  const std::wstring wide = AnsiToWide(path);
  DeleteFileW(wide.c_str());
  // Opened even for an empty list (no popup has a title), so that the user
  // sees an empty list rather than "Unable to open file".
  SystemFile file = OpenForWrite(path);
  if (!file.is_open() || !AppendToFile(&file, path, WindowListText(ProgramWindowTree(), qualifier))) return false;
  file.Close();  // before the viewer opens it
  const auto opened = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr,
                                                              SW_SHOWNORMAL));
  return opened > 32;
}

}  // namespace zelo
