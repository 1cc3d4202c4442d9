// The files loop's directory search on the native build, with POSIX calls;
// the Windows build uses folder_search_win.cpp.

#include <dirent.h>
#include <sys/stat.h>

#include "actions/shared/folder_search.h"

namespace zelo {

namespace {

class PosixFolderSearch : public FolderSearch {
 public:
  PosixFolderSearch(DIR* dir, std::string folder, std::string name_pattern)
      : dir_(dir), folder_(std::move(folder)), name_pattern_(std::move(name_pattern)) {}
  ~PosixFolderSearch() override { closedir(dir_); }
  PosixFolderSearch(const PosixFolderSearch&) = delete;
  PosixFolderSearch& operator=(const PosixFolderSearch&) = delete;

  bool Next(std::string* name, bool* is_folder) override {
    while (const dirent* entry = readdir(dir_)) {
      if (!WildcardMatch(name_pattern_, entry->d_name)) continue;
      *name = entry->d_name;
      struct stat st {};
      const std::string path = folder_ + "/" + *name;
      *is_folder = stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
      return true;
    }
    return false;
  }

 private:
  DIR* dir_;
  std::string folder_;
  std::string name_pattern_;
};

}  // namespace

std::unique_ptr<FolderSearch> OpenFolderSearch(const std::string& pattern) {
  const std::size_t cut = pattern.find_last_of("\\/");
  const std::string folder = cut == std::string::npos ? "." : pattern.substr(0, cut == 0 ? 1 : cut);
  const std::string name = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
  DIR* dir = opendir(folder.c_str());
  if (!dir) return nullptr;
  return std::make_unique<PosixFolderSearch>(dir, folder, name);
}

}  // namespace zelo
