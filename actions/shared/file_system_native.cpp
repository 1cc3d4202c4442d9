// Native implementation of the file seam; the Windows build uses file_system_win.cpp.

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "actions/shared/file_system.h"

namespace zelo {

const char kPathSeparator = '/';

namespace {

bool Fail(std::string* error) {
  if (error) *error = std::strerror(errno);
  return false;
}

FileStamp StampFrom(const struct stat& st) {
  FileStamp stamp;
  stamp.folder = S_ISDIR(st.st_mode);
  stamp.size = static_cast<uint64_t>(st.st_size);
  stamp.write_time = static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000u + static_cast<uint64_t>(st.st_mtim.tv_nsec);
  // A file replaced by another of the same size and time is still another file.
  stamp.write_time ^= static_cast<uint64_t>(st.st_ino) << 1;
  return stamp;
}

int Fd(intptr_t handle) { return static_cast<int>(handle); }

// Read-only by its mode, as Windows reads its read-only attribute: also for a
// user (root) whom the system would let write anyway.
bool ReadOnlyFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH));
}

}  // namespace

bool StampOfPath(const std::string& path, FileStamp* stamp) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return false;
  *stamp = StampFrom(st);
  return true;
}

std::vector<FolderEntry> ListMatches(const std::string& pattern) {
  std::vector<FolderEntry> found;
  const std::size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : pattern.substr(0, slash);
  std::string name = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  if (name == "*.*") name = "*";  // every name, as the Windows listing reads it
  if (name.empty()) return found;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return found;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view n = entry->d_name;
    if (n == "." || n == "..") continue;
    if (fnmatch(name.c_str(), entry->d_name, FNM_CASEFOLD) != 0) continue;
    struct stat st;
    const std::string full = folder + "/" + entry->d_name;
    FolderEntry e;
    e.name = entry->d_name;
    e.folder = stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    found.push_back(std::move(e));
  }
  closedir(dir);
  return found;
}

SystemFile& SystemFile::operator=(SystemFile&& o) noexcept {
  if (this != &o) {
    Close();
    handle_ = o.handle_;
    o.handle_ = kNone;
  }
  return *this;
}

bool SystemFile::Open(const std::string& path, Mode mode, std::string* error) {
  Close();
  int flags = O_CLOEXEC;
  switch (mode) {
    case Mode::ReadShared:
      flags |= O_RDONLY;
      break;
    case Mode::ReadWriteExisting:
      flags |= O_RDWR;
      break;
    case Mode::ReadWriteCreate:
      flags |= O_RDWR | O_CREAT;
      break;
  }
  if (mode != Mode::ReadShared && ReadOnlyFile(path)) {
    errno = EACCES;
    return Fail(error);
  }
  const int fd = open(path.c_str(), flags, 0666);
  if (fd < 0) return Fail(error);
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {  // Windows does not open folders as files either
    close(fd);
    errno = EISDIR;
    return Fail(error);
  }
  handle_ = fd;
  return true;
}

void SystemFile::Close() {
  if (handle_ != kNone) close(Fd(handle_));
  handle_ = kNone;
}

bool SystemFile::Read(void* data, std::size_t size, std::size_t* got, std::string* error) {
  *got = 0;
  char* p = static_cast<char*>(data);
  while (*got < size) {
    const ssize_t n = read(Fd(handle_), p + *got, size - *got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(error);
    }
    if (n == 0) break;
    *got += static_cast<std::size_t>(n);
  }
  return true;
}

bool SystemFile::Write(const void* data, std::size_t size, std::string* error) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = write(Fd(handle_), p, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(error);
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool SystemFile::Seek(uint64_t offset, std::string* error) {
  if (offset > static_cast<uint64_t>(LLONG_MAX)) {
    errno = EINVAL;
    return Fail(error);
  }
  return lseek(Fd(handle_), static_cast<off_t>(offset), SEEK_SET) >= 0 || Fail(error);
}

bool SystemFile::SeekToEnd(std::string* error) { return lseek(Fd(handle_), 0, SEEK_END) >= 0 || Fail(error); }

bool SystemFile::SetEndHere(std::string* error) {
  const off_t here = lseek(Fd(handle_), 0, SEEK_CUR);
  if (here < 0) return Fail(error);
  return ftruncate(Fd(handle_), here) == 0 || Fail(error);
}

bool SystemFile::Flush(std::string* error) { return fsync(Fd(handle_)) == 0 || Fail(error); }

bool SystemFile::Stamp(FileStamp* stamp) const {
  struct stat st;
  if (handle_ == kNone || fstat(Fd(handle_), &st) != 0) return false;
  *stamp = StampFrom(st);
  return true;
}

FolderCreation CreateOneFolder(const std::string& path, std::string* error) {
  if (mkdir(path.c_str(), 0777) == 0) return FolderCreation::Created;
  const int code = errno;
  if (error) *error = std::strerror(code);
  return code == ENOENT ? FolderCreation::ParentMissing : FolderCreation::Failed;
}

bool CopyOneFile(const std::string& from, const std::string& to, std::string* error) {
  std::error_code ec;
  if (std::filesystem::is_directory(from, ec)) {
    errno = EISDIR;
    return Fail(error);
  }
  // A read-only destination stays, as Windows keeps it (a rename would not care).
  if (ReadOnlyFile(to)) {
    errno = EACCES;
    return Fail(error);
  }
  // Written beside the destination and renamed over it, so a failed copy never
  // leaves a half-written destination.
  const std::string temp = to + ".zelo-copy";
  if (!std::filesystem::copy_file(from, temp, std::filesystem::copy_options::overwrite_existing, ec) ||
      rename(temp.c_str(), to.c_str()) != 0) {
    if (error) *error = ec ? ec.message() : std::strerror(errno);
    unlink(temp.c_str());
    return false;
  }
  return true;
}

bool DeleteOneFile(const std::string& path, std::string* error) {
  struct stat st;
  if (stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return Fail(error);
  }
  // Windows does not delete read-only files; neither does this.
  if (ReadOnlyFile(path)) {
    errno = EACCES;
    return Fail(error);
  }
  return unlink(path.c_str()) == 0 || Fail(error);
}

bool RemoveEmptyFolder(const std::string& path, std::string* error) { return rmdir(path.c_str()) == 0 || Fail(error); }

bool CopyFolderContents(const std::string& from, const std::string& to, std::string* error) {
  std::error_code ec;
  std::filesystem::copy(from, to,
                        std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
                        ec);
  if (ec && error) *error = ec.message();
  return !ec;
}

bool DeleteFolderTree(const std::string& path, std::string* error) {
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
  if (ec && error) *error = ec.message();
  return !ec;
}

bool SetCurrentFolder(const std::string& path, std::string* error) { return chdir(path.c_str()) == 0 || Fail(error); }

std::string FullPathOf(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  if (ec) return path;
  std::string text = full.lexically_normal().string();
  return text;
}

}  // namespace zelo
