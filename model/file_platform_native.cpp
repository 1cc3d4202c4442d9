// Native implementation of the file seam; the Windows build uses file_platform_win.cpp.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "model/file_platform.h"

namespace zelo {

std::string ParentFolder(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return std::string();
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

bool CreateFolders(const std::string& folder, std::string* error) {
  struct stat st;
  if (folder.empty() || stat(folder.c_str(), &st) == 0) return true;
  std::string parent = ParentFolder(folder);
  if (!parent.empty() && parent != folder && !CreateFolders(parent, error)) return false;
  if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
    if (error) *error = ErrorNumberText(errno);
    return false;
  }
  return true;
}

bool ReplaceFileWith(const std::string& from, const std::string& to, std::string* error) {
  if (std::rename(from.c_str(), to.c_str()) == 0) return true;
  if (error) *error = ErrorNumberText(errno);
  return false;
}

bool CreateNewFile(const std::string& path, bool* taken) {
  const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
  *taken = fd < 0 && errno == EEXIST;
  if (fd < 0) return false;
  close(fd);
  return true;
}

void RemoveFileQuietly(const std::string& path) { unlink(path.c_str()); }

std::string ErrorNumberText(int error_number) { return std::strerror(error_number); }

}  // namespace zelo
