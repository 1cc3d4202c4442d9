// The log file on POSIX systems (the native build and its tests).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "engine/log_file.h"

namespace zelo {

namespace {

class PosixLogFile : public OpenLogFile {
 public:
  explicit PosixLogFile(int fd) : fd_(fd) {}
  ~PosixLogFile() override { close(fd_); }
  PosixLogFile(const PosixLogFile&) = delete;
  PosixLogFile& operator=(const PosixLogFile&) = delete;

  bool Append(std::string_view text) override {
    const char* data = text.data();
    std::size_t left = text.size();
    while (left > 0) {
      const ssize_t n = write(fd_, data, left);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      left -= static_cast<std::size_t>(n);
    }
    return true;
  }

  bool StillAt(const std::string& path) override {
    struct stat open_file, named;
    if (fstat(fd_, &open_file) != 0 || open_file.st_nlink == 0) return false;
    return stat(path.c_str(), &named) == 0 && named.st_dev == open_file.st_dev && named.st_ino == open_file.st_ino;
  }

  bool Deleted() override {
    struct stat open_file;
    return fstat(fd_, &open_file) == 0 && open_file.st_nlink == 0;
  }

  uint64_t Length() override {
    struct stat open_file;
    return fstat(fd_, &open_file) == 0 ? static_cast<uint64_t>(open_file.st_size) : 0;
  }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<OpenLogFile> OpenLogFileAt(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixLogFile>(fd);
}

bool RemoveLogFile(std::string_view path) {
  if (path.empty()) return false;
  return std::remove(std::string(path).c_str()) == 0;
}

}  // namespace zelo
