#include "actions/shared/file_routines.h"

#include <cstring>
#include <mutex>
#include <vector>

#include "actions/shared/file_line_reader.h"

namespace zelo {

namespace {

// The one reader behind ReadFileLine; the run thread and the editor may both read.
std::mutex g_line_mutex;
FileLineReader& LineReader() {
  static FileLineReader reader;
  return reader;
}

// A path without the separators at its end, unless that would leave a root
// ("C:\", "\", "/") that the system only knows with its separator.
std::string WithoutTrailingSeparators(std::string_view path) {
  std::string p(path);
  while (p.size() > 1 && IsPathSeparator(p.back()) && !(p.size() == 3 && p[1] == ':')) p.pop_back();
  return p;
}

// "C:" or "C:\": a drive that exists or not, but is never created.
bool IsBareDrive(std::string_view folder) {
  return (folder.size() == 2 || (folder.size() == 3 && IsPathSeparator(folder[2]))) && folder[1] == ':';
}

}  // namespace

bool FileExists(std::string_view path) {
  if (path.empty()) return false;
  const std::string p(path);
  FileStamp stamp;
  if (StampOfPath(p, &stamp)) return true;
  return HasWildcard(path) && !ListMatches(p).empty();
}

bool FolderExists(std::string_view path) {
  FileStamp stamp;
  return !path.empty() && StampOfPath(std::string(path), &stamp) && stamp.folder;
}

uint64_t FileSize(std::string_view path) {
  SystemFile file;
  FileStamp stamp;
  if (path.empty() || !file.Open(std::string(path), SystemFile::Mode::ReadShared) || !file.Stamp(&stamp)) return 0;
  return stamp.size;
}

std::size_t ReadFileLine(std::string_view path, int64_t line_number, std::string* line) {
  const std::lock_guard<std::mutex> lock(g_line_mutex);
  return LineReader().Read(path, line_number, kMaxFileLine, line) ? line->size() + 1 : 0;
}

std::size_t ReadFileLine(std::string_view path, int64_t line_number, char* out, std::size_t size) {
  std::string line;
  const std::size_t result = ReadFileLine(path, line_number, &line);
  if (out && size > 0) {
    const std::size_t n = line.size() < size - 1 ? line.size() : size - 1;
    std::memcpy(out, line.data(), n);
    out[n] = '\0';
  }
  return result;
}

void ForgetFileLines() {
  const std::lock_guard<std::mutex> lock(g_line_mutex);
  LineReader().Forget();
}

void ForgetFileLines(std::string_view path) {
  const std::string key = KeyPath(path);
  const std::lock_guard<std::mutex> lock(g_line_mutex);
  LineReader().ForgetFile(key);
}

uint64_t FileLineBytesRead() {
  const std::lock_guard<std::mutex> lock(g_line_mutex);
  return LineReader().bytes_read();
}

bool MakeFolderPath(std::string_view path, std::string* error) {
  std::string folder = WithoutTrailingSeparators(path);
  if (folder.empty()) {
    if (error) *error = "No folder name";
    return false;
  }
  // Walk up to the first folder that exists, then create the missing ones
  // downwards; an error other than a missing parent ends the walk.
  std::vector<std::string> missing;
  for (;;) {
    FileStamp stamp;
    if (StampOfPath(folder, &stamp)) {
      if (!stamp.folder) {
        if (error) *error = "\"" + folder + "\" is a file";
        return false;
      }
      break;
    }
    std::string reason;
    const FolderCreation made = CreateOneFolder(folder, &reason);
    if (made == FolderCreation::Created) break;
    if (made == FolderCreation::Failed) {
      if (FolderExists(folder)) break;  // made by someone else just now
      if (error) *error = reason;
      return false;
    }
    const std::size_t cut = LastPathSeparator(folder);
    if (cut == std::string::npos || cut == 0) {
      if (error) *error = reason;
      return false;
    }
    missing.push_back(folder);
    folder = WithoutTrailingSeparators(std::string_view(folder).substr(0, cut + 1));
  }
  while (!missing.empty()) {
    std::string reason;
    if (CreateOneFolder(missing.back(), &reason) != FolderCreation::Created && !FolderExists(missing.back())) {
      if (error) *error = reason;
      return false;
    }
    missing.pop_back();
  }
  return true;
}

SystemFile OpenForWrite(std::string_view path, std::string* error) {
  SystemFile file;
  if (path.empty()) {
    if (error) *error = "No file name";
    return file;
  }
  const std::size_t cut = LastPathSeparator(path);
  if (cut != std::string_view::npos && cut > 0) {
    const std::string_view folder = path.substr(0, cut);
    if (!IsBareDrive(folder) && !MakeFolderPath(folder, error)) return file;
  }
  file.Open(std::string(path), SystemFile::Mode::ReadWriteCreate, error);
  ForgetFileLines(path);
  return file;
}

bool AppendToFile(SystemFile* file, std::string_view path, std::string_view text, std::string* error) {
  if (text.empty()) return true;
  if (file && file->is_open()) return file->SeekToEnd(error) && file->Write(text.data(), text.size(), error);
  if (path.empty()) {
    if (error) *error = "No file to append to";
    return false;
  }
  SystemFile opened = OpenForWrite(path, error);
  return opened.is_open() && opened.SeekToEnd(error) && opened.Write(text.data(), text.size(), error);
}

}  // namespace zelo
