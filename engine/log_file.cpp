#include "engine/log_file.h"

#include <cerrno>
#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <direct.h>
#else
#include <sys/stat.h>
#endif

namespace zelo {

namespace {

bool IsSeparator(char c) {
#if defined(_WIN32)
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

bool MakeFolder(const std::string& path) {
#if defined(_WIN32)
  return _mkdir(path.c_str()) == 0 || errno == EEXIST;
#else
  return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
#endif
}

// Creates every folder above the file, outermost first. Parts that cannot be
// made (a drive "C:", a server share) are passed over; the open that follows
// tells whether the path became usable.
void MakeParentFolders(const std::string& path) {
  for (std::size_t i = 1; i < path.size(); ++i) {
    if (!IsSeparator(path[i]) || IsSeparator(path[i - 1])) continue;
    MakeFolder(path.substr(0, i));
  }
}

}  // namespace

bool AppendToLogFile(std::string_view path, std::string_view text) {
  if (path.empty()) return false;
  std::string p(path);
  // Binary mode: the lines carry their own CR LF.
  std::FILE* f = std::fopen(p.c_str(), "ab");
  if (!f) {
    MakeParentFolders(p);
    f = std::fopen(p.c_str(), "ab");
    if (!f) return false;
  }
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

bool RemoveLogFile(std::string_view path) {
  if (path.empty()) return false;
  return std::remove(std::string(path).c_str()) == 0;
}

}  // namespace zelo
