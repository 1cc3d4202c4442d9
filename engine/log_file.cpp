#include "engine/log_file.h"

#include "model/file_platform.h"

namespace zelo {

bool LogFileWriter::Reopen(const std::string& path) {
  file_.reset();
  path_ = path;
  if (path.empty()) return false;
  file_ = OpenLogFileAt(path);
  if (!file_) {
    // Missing folders of the path are made; parts that cannot be made (a
    // drive, a server share) are passed over, and the second open tells
    // whether the path became usable.
    CreateFolders(ParentFolder(path), nullptr);
    file_ = OpenLogFileAt(path);
  }
  if (file_) ++opens_;
  return file_ != nullptr;
}

bool LogFileWriter::Append(const std::string& path, std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  // Another setting, or a file another program deleted, moved or replaced:
  // this line starts the file at the path anew.
  if (!file_ || path != path_ || !file_->StillAt(path)) {
    if (!Reopen(path)) return false;
  }
  if (file_->Append(text)) return true;
  // A handle gone bad (a removed drive that came back) gets one new open.
  return Reopen(path) && file_->Append(text);
}

void LogFileWriter::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  file_.reset();
  path_.clear();
}

bool LogFileWriter::Remove(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  file_.reset();
  path_.clear();
  return RemoveLogFile(path);
}

}  // namespace zelo
