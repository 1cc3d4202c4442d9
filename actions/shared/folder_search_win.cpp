#include <windows.h>

#include <utility>

#include "actions/shared/folder_search.h"
#include "base/ansi_text_win.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

// FindFirstFileW matches the pattern itself (with the system's own rules);
// its first entry is kept until the loop asks for it.
class WinFolderSearch : public FolderSearch {
 public:
  WinFolderSearch(FindHandle find, const WIN32_FIND_DATAW& first)
      : find_(std::move(find)), pending_(first), has_pending_(true) {}

  bool Next(std::string* name, bool* is_folder) override {
    WIN32_FIND_DATAW data;
    if (has_pending_) {
      data = pending_;
      has_pending_ = false;
    } else if (!FindNextFileW(find_.get(), &data)) {
      return false;
    }
    *name = WideToAnsi(data.cFileName);
    *is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
  }

 private:
  FindHandle find_;
  WIN32_FIND_DATAW pending_;
  bool has_pending_;
};

}  // namespace

std::unique_ptr<FolderSearch> OpenFolderSearch(const std::string& pattern) {
  WIN32_FIND_DATAW first;
  FindHandle find(FindFirstFileW(AnsiToWide(pattern).c_str(), &first));
  if (!find) return nullptr;
  return std::make_unique<WinFolderSearch>(std::move(find), first);
}

}  // namespace zelo
