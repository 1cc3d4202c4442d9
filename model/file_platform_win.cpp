#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "base/ansi_text_win.h"
#include "base/system_error_win.h"
#include "model/file_platform.h"

namespace zelo {

namespace {

std::wstring Wide(const std::string& s) { return AnsiToWide(s); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Length of the root part that cannot be created: "C:\", "\\server\share\", "\".
std::size_t RootLength(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    std::size_t i = 2;
    for (int parts = 0; parts < 2 && i < path.size(); ++parts) {
      while (i < path.size() && !IsSeparator(path[i])) ++i;
      if (i < path.size()) ++i;
    }
    return i;
  }
  return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

}  // namespace

std::string ParentFolder(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  if (slash == std::string_view::npos) return std::string();
  std::string parent(path.substr(0, slash));
  if (parent.empty() || (parent.size() == 2 && parent[1] == ':')) parent += '\\';
  return parent;
}

bool CreateFolders(const std::string& folder, std::string* error) {
  if (folder.empty()) return true;
  const DWORD attributes = GetFileAttributesW(Wide(folder).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return true;
  if (folder.size() <= RootLength(folder)) return true;  // a drive or share root cannot be made
  std::string parent = ParentFolder(folder);
  if (!parent.empty() && parent != folder && !CreateFolders(parent, error)) return false;
  if (!CreateDirectoryW(Wide(folder).c_str(), nullptr)) {
    const DWORD code = GetLastError();
    if (code == ERROR_ALREADY_EXISTS) return true;
    if (error) *error = SystemErrorText(code);
    return false;
  }
  return true;
}

bool ReplaceFileWith(const std::string& from, const std::string& to, std::string* error) {
  // MoveFileEx replaces an existing target, which std::rename does not do here.
  if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  if (error) *error = SystemErrorText(GetLastError());
  return false;
}

bool CreateNewFile(const std::string& path, bool* taken) {
  // The C runtime's descriptor, not a kernel handle: nothing to own past the close.
  const int fd = _wopen(Wide(path).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY, _S_IREAD | _S_IWRITE);
  *taken = fd < 0 && errno == EEXIST;
  if (fd < 0) return false;
  _close(fd);
  return true;
}

void RemoveFileQuietly(const std::string& path) { DeleteFileW(Wide(path).c_str()); }

std::string ErrorNumberText(int error_number) { return std::strerror(error_number); }

}  // namespace zelo
