#include "engine/log_file.h"

#include <cstdio>
#include <string>

#include "model/file_platform.h"

namespace zelo {

bool AppendToLogFile(std::string_view path, std::string_view text) {
  if (path.empty()) return false;
  std::string p(path);
  // Binary mode: the lines carry their own CR LF.
  std::FILE* f = std::fopen(p.c_str(), "ab");
  if (!f) {
    // Missing folders of the path are made; parts that cannot be made (a
    // drive, a server share) are passed over, and the second open tells
    // whether the path became usable.
    CreateFolders(ParentFolder(p), nullptr);
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
