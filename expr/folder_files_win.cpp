#include <windows.h>

#include "base/ansi_text_win.h"
#include "base/text.h"
#include "base/win32_owners_win.h"
#include "expr/folder_files.h"

namespace zelo {

std::vector<std::string> FilesEndingWith(const std::string& folder, std::string_view suffix) {
  std::vector<std::string> paths;
  const std::string prefix = folder.empty() ? std::string() : (folder.back() == '\\' ? folder : folder + "\\");
  WIN32_FIND_DATAW data;
  FindHandle find(FindFirstFileW(AnsiToWide(prefix + "*").c_str(), &data));
  if (!find) return paths;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::string name = WideToAnsi(data.cFileName);
    if (name.size() < suffix.size() || !EqualsNoCase(std::string_view(name).substr(name.size() - suffix.size()), suffix))
      continue;
    paths.push_back(prefix + name);
  } while (FindNextFileW(find.get(), &data));
  return paths;
}

}  // namespace zelo
