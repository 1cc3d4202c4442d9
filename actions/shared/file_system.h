// The operating system's file calls that the file routines and the
// Files/Folders actions need, behind one narrow seam: the Windows build
// implements them with the Win32 "W" functions (names are ANSI text,
// converted at this boundary), the native build with POSIX calls so that the
// logic above them is tested against real files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelo {

// The separator this system writes between a folder and a name. Both "\" and
// "/" are read as separators (Windows accepts either).
extern const char kPathSeparator;
inline bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }
// Index of the last separator of path, npos when it has none.
inline std::size_t LastPathSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsPathSeparator(path[i - 1])) return i - 1;
  return std::string_view::npos;
}
inline bool HasWildcard(std::string_view path) { return path.find_first_of("*?") != std::string_view::npos; }

// What the system tells of a path without opening it.
struct FileStamp {
  bool folder = false;
  uint64_t size = 0;
  uint64_t write_time = 0;  // in the system's own units; compared only for change
  bool operator==(const FileStamp& o) const {
    return folder == o.folder && size == o.size && write_time == o.write_time;
  }
  bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

// False when the path has no attributes (missing, or an unreadable folder on its way).
bool StampOfPath(const std::string& path, FileStamp* stamp);

// The entries of the pattern's folder whose names match its last part
// ("*" and "?" wildcards, "*.*" is every name), in the order the system lists
// them, without "." and "..". Empty when nothing matches.
struct FolderEntry {
  std::string name;  // without folder
  bool folder = false;
};
std::vector<FolderEntry> ListMatches(const std::string& pattern);

// An open file; closed when the object goes away.
class SystemFile {
 public:
  enum class Mode {
    ReadShared,         // existing file, read access, others may read and write
    ReadWriteExisting,  // existing file, read and write access
    ReadWriteCreate,    // created when missing, never truncated
  };

  SystemFile() = default;
  ~SystemFile() { Close(); }
  SystemFile(SystemFile&& o) noexcept : handle_(o.handle_) { o.handle_ = kNone; }
  SystemFile& operator=(SystemFile&& o) noexcept;
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  // On failure *error (when given) gets the system's text for the reason.
  bool Open(const std::string& path, Mode mode, std::string* error = nullptr);
  bool is_open() const { return handle_ != kNone; }
  void Close();

  // Reads up to size bytes at the current position; *got is what was read
  // (0 at the end of the file).
  bool Read(void* data, std::size_t size, std::size_t* got, std::string* error = nullptr);
  bool Write(const void* data, std::size_t size, std::string* error = nullptr);
  bool Seek(uint64_t offset, std::string* error = nullptr);
  bool SeekToEnd(std::string* error = nullptr);
  // Ends the file at the current position (grows or truncates it).
  bool SetEndHere(std::string* error = nullptr);
  bool Flush(std::string* error = nullptr);
  bool Stamp(FileStamp* stamp) const;

 private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;  // a file descriptor or a Win32 HANDLE
};

// Creates one folder. ParentMissing: the system says a folder above it is missing.
enum class FolderCreation { Created, ParentMissing, Failed };
FolderCreation CreateOneFolder(const std::string& path, std::string* error = nullptr);

// Copies a file, replacing an existing destination in one step.
bool CopyOneFile(const std::string& from, const std::string& to, std::string* error = nullptr);
bool DeleteOneFile(const std::string& path, std::string* error = nullptr);
// Removes a folder that is empty.
bool RemoveEmptyFolder(const std::string& path, std::string* error = nullptr);
// Copies everything inside a folder (files and subfolders) into another
// existing folder, replacing files of the same name, without asking anyone.
bool CopyFolderContents(const std::string& from, const std::string& to, std::string* error = nullptr);
// Deletes a folder with everything in it, without asking and not into a recycle bin.
bool DeleteFolderTree(const std::string& path, std::string* error = nullptr);
bool SetCurrentFolder(const std::string& path, std::string* error = nullptr);
// The full path of a relative or absolute path (the path itself when the
// system cannot make one).
std::string FullPathOf(const std::string& path);
// An absolute path as it is, a relative one as its full path: the name a file
// is kept by, since the current folder may change between two uses.
inline std::string KeyPath(std::string_view path) {
  const bool absolute = !path.empty() && (IsPathSeparator(path[0]) ||
                                          (path.size() > 2 && path[1] == ':' && IsPathSeparator(path[2])));
  return absolute ? std::string(path) : FullPathOf(std::string(path));
}

}  // namespace zelo
