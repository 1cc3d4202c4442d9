#include <windows.h>

#include "base/ansi_text_win.h"
#include "base/text.h"
#include "expr/folder_files.h"

namespace zelo {

namespace {

// A find handle, closed when it goes out of scope.
class FindHandle {
 public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

}  // namespace

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
