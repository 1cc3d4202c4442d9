// The log file, kept open while lines come: each line is one unbuffered
// write at the file's end, so it is in the system's file cache (and survives
// a crash of the program) as soon as the write returns. The file is shared
// for reading, writing, renaming and deleting, so another program may read
// it, move it away or delete it during a run; a line written moments later
// (the path is looked at a hundred times a second) starts a new file at the
// configured path.
//
// A file deleted while it is open may keep its name until its last handle
// closes (Wine; Windows without POSIX deletion): the writer cannot tell, and
// its lines would go with the file. So the file is closed and opened again
// at a steady pace (a checkpoint) and at the end of a run; when the file
// found then is shorter than the one written, the lines since the previous
// checkpoint are written into it again. Nothing after a deletion is lost; a
// few lines from just before it may appear again in the new file.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace zelo {

// One open log file (the platform side).
class OpenLogFile {
 public:
  virtual ~OpenLogFile() = default;
  // Writes text at the end of the file in one write, without buffering.
  virtual bool Append(std::string_view text) = 0;
  // Whether path still names this file: false once it was deleted, renamed
  // or replaced by another file.
  virtual bool StillAt(const std::string& path) = 0;
  // The file's length now, as this handle sees it.
  virtual uint64_t Length() = 0;
  // Whether the open file is known to be deleted (no name left, or its
  // deletion pending); false where the system cannot tell.
  virtual bool Deleted() = 0;
};

// Opens the file for appending, creating it when missing; nullptr when it
// cannot be opened (missing folders are not made here).
std::unique_ptr<OpenLogFile> OpenLogFileAt(const std::string& path);
// Deletes the file; false when it did not exist or cannot be deleted.
bool RemoveLogFile(std::string_view path);

// Appends lines to the file at a path, keeping the file open between lines
// and opening it again when the path changed or no longer names it.
class LogFileWriter {
 public:
  using Opener = std::unique_ptr<OpenLogFile> (*)(const std::string& path);
  explicit LogFileWriter(Opener opener = &OpenLogFileAt) : open_(opener) {}

  // Appends text, creating the file and any missing folders of its path.
  // False when it cannot be written.
  bool Append(const std::string& path, std::string_view text);
  // Closes the file (the end of a run) so that nothing holds it between runs.
  void Close();
  // Closes the file and deletes it.
  bool Remove(const std::string& path);
  // Held while a line is written; a forced stop takes it so that the run
  // thread is never ended in the middle of a line.
  std::mutex& mutex() { return mutex_; }
  // How often a file was opened, for tests and benchmarks.
  uint64_t opens() const { return opens_; }
  // The pace of the checkpoints; zero makes every line one (tests).
  void set_checkpoint_interval(std::chrono::milliseconds interval) { checkpoint_interval_ = interval; }
  // The pace of the look at the path (moved, deleted or replaced file);
  // zero looks before every line (tests).
  void set_name_check_interval(std::chrono::milliseconds interval) { name_check_interval_ = interval; }

  static constexpr std::chrono::milliseconds kCheckpointInterval{1000};
  // A look at the path costs more than the write itself under Wine; a
  // hundred looks a second still start a new file within moments of a move.
  static constexpr std::chrono::milliseconds kNameCheckInterval{10};
  // Lines kept for a checkpoint beyond this bring the checkpoint forward.
  static constexpr std::size_t kMaxKeptBytes = 1 << 20;

 private:
  bool Reopen(const std::string& path);
  bool Checkpoint();
  void CloseKeepingLines();

  Opener open_;
  std::mutex mutex_;
  std::string path_;
  std::unique_ptr<OpenLogFile> file_;
  uint64_t opens_ = 0;
  std::string since_checkpoint_;  // the lines written since the file was last opened
  std::chrono::steady_clock::time_point checkpoint_at_{};
  std::chrono::milliseconds checkpoint_interval_ = kCheckpointInterval;
  std::chrono::steady_clock::time_point name_check_at_{};
  std::chrono::milliseconds name_check_interval_ = kNameCheckInterval;
};

}  // namespace zelo
