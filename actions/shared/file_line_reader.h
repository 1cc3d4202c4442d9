// FileLineReader: finds line n of a text file without reading the file again
// from its start when the lines are read in order. It keeps the last file's
// stamp (size and write time), the piece of the file it read last (at most
// kFileLinePiece bytes) and where the last line found starts; a changed stamp
// drops all of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/file_system.h"

namespace zelo {

inline constexpr std::size_t kFileLinePiece = 1048576;

class FileLineReader {
 public:
  // Line line_number (1-based) of the file, cut at max_length characters,
  // into *line. False (and *line empty) when the file cannot be read or has
  // no such line. Line ends: CR LF, lone CR, lone LF.
  bool Read(std::string_view path, int64_t line_number, std::size_t max_length, std::string* line);
  void Forget();
  // Forgets only when the file kept is path (a full path).
  void ForgetFile(std::string_view path);

  // Bytes read from files so far, for measuring that in-order reading does
  // not read a file more than once.
  uint64_t bytes_read() const { return bytes_read_; }

 private:
  enum class Scan { Found, NoLine, Failed, Changed };
  Scan Find(int64_t line_number, std::size_t max_length, std::string* line);
  Scan LoadPiece(uint64_t offset);
  void Reset();

  std::string path_;
  FileStamp stamp_;
  bool known_ = false;       // path_ and stamp_ describe the file
  std::string piece_;        // bytes of the file from piece_offset_
  uint64_t piece_offset_ = 0;
  int64_t line_ = 1;         // a line whose start is known...
  uint64_t line_start_ = 0;  // ...and where it starts
  uint64_t bytes_read_ = 0;
};

}  // namespace zelo
