#include <windows.h>

#include "actions/shared/folder_search.h"
#include "base/ansi_text_win.h"

namespace zelo {

namespace {

// FindFirstFileW matches the pattern itself (with the system's own rules);
// its first entry is kept until the loop asks for it.
class WinFolderSearch : public FolderSearch {
 public:
  WinFolderSearch(HANDLE find, const WIN32_FIND_DATAW& first) : find_(find), pending_(first), has_pending_(true) {}
  ~WinFolderSearch() override { FindClose(find_); }
  WinFolderSearch(const WinFolderSearch&) = delete;
  WinFolderSearch& operator=(const WinFolderSearch&) = delete;

  bool Next(std::string* name, bool* is_folder) override {
    WIN32_FIND_DATAW data;
    if (has_pending_) {
      data = pending_;
      has_pending_ = false;
    } else if (!FindNextFileW(find_, &data)) {
      return false;
    }
    *name = WideToAnsi(data.cFileName);
    *is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
  }

 private:
  HANDLE find_;
  WIN32_FIND_DATAW pending_;
  bool has_pending_;
};

}  // namespace

std::unique_ptr<FolderSearch> OpenFolderSearch(const std::string& pattern) {
  WIN32_FIND_DATAW first;
  const HANDLE find = FindFirstFileW(AnsiToWide(pattern).c_str(), &first);
  if (find == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<WinFolderSearch>(find, first);
}

}  // namespace zelo
