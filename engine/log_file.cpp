#include "engine/log_file.h"

#include "model/file_platform.h"

namespace zelo {

bool LogFileWriter::Reopen(const std::string& path) {
  file_.reset();
  since_checkpoint_.clear();
  path_ = path;
  checkpoint_at_ = std::chrono::steady_clock::now() + checkpoint_interval_;
  if (path.empty()) return false;
  file_ = open_(path);
  if (!file_) {
    // Missing folders of the path are made; parts that cannot be made (a
    // drive, a server share) are passed over, and the second open tells
    // whether the path became usable.
    CreateFolders(ParentFolder(path), nullptr);
    file_ = open_(path);
  }
  if (file_) ++opens_;
  return file_ != nullptr;
}

bool LogFileWriter::Checkpoint() {
  const uint64_t written = file_->Length();
  std::string kept = std::move(since_checkpoint_);
  // Closing lets a deletion that was waiting for this handle happen.
  if (!Reopen(path_)) return false;
  if (file_->Length() >= written || kept.empty()) return true;
  // A shorter file is not the one written: it was deleted (or emptied)
  // since the last checkpoint, and the lines since then went with it.
  since_checkpoint_ = kept;
  return file_->Append(kept);
}

void LogFileWriter::CloseKeepingLines() {
  if (file_ && !since_checkpoint_.empty()) Checkpoint();
  file_.reset();
  since_checkpoint_.clear();
  path_.clear();
}

bool LogFileWriter::Append(const std::string& path, std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  // Another setting, or a file another program deleted, moved or replaced:
  // this line starts the file at the path anew.
  const auto now = std::chrono::steady_clock::now();
  bool moved = false;
  if (file_ && path == path_ && now >= name_check_at_) {
    name_check_at_ = now + name_check_interval_;
    moved = !file_->StillAt(path);
  }
  if (moved) {
    // A moved file keeps its lines; a deleted one took the lines since the
    // last checkpoint with it, so they start the new file.
    std::string kept = file_->Deleted() ? std::move(since_checkpoint_) : std::string();
    if (!Reopen(path)) return false;
    if (!kept.empty()) {
      if (!file_->Append(kept)) return false;
      since_checkpoint_ = std::move(kept);
    }
  } else if (!file_ || path != path_) {
    if (file_) CloseKeepingLines();
    if (!Reopen(path)) return false;
  } else if (since_checkpoint_.size() >= kMaxKeptBytes || now >= checkpoint_at_) {
    if (!Checkpoint()) return false;
  }
  if (!file_->Append(text)) {
    // A handle gone bad (a removed drive that came back) gets one new open.
    if (!Reopen(path) || !file_->Append(text)) return false;
  }
  since_checkpoint_.append(text);
  return true;
}

void LogFileWriter::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  CloseKeepingLines();
}

bool LogFileWriter::Remove(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  file_.reset();
  since_checkpoint_.clear();
  path_.clear();
  return RemoveLogFile(path);
}

}  // namespace zelo
