// Native implementation of FilesEndingWith; the Windows build uses folder_files_win.cpp.

#include <dirent.h>
#include <sys/stat.h>

#include "base/text.h"
#include "expr/folder_files.h"

namespace zelo {

std::vector<std::string> FilesEndingWith(const std::string& folder, std::string_view suffix) {
  std::vector<std::string> paths;
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return paths;
  const std::string prefix = folder.empty() ? std::string() : folder + "/";
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() < suffix.size() || !EqualsNoCase(name.substr(name.size() - suffix.size()), suffix)) continue;
    const std::string path = prefix + std::string(name);
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) paths.push_back(path);
  }
  closedir(dir);
  return paths;
}

}  // namespace zelo
