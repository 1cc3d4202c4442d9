#include "actions/shared/file_line_reader.h"

#include "base/text.h"

namespace zelo {

void FileLineReader::Forget() {
  known_ = false;
  path_.clear();
  Reset();
  piece_.clear();
  piece_.shrink_to_fit();
}

void FileLineReader::ForgetFile(std::string_view path) {
  if (known_ && EqualsNoCase(path_, path)) Forget();
}

void FileLineReader::Reset() {
  line_ = 1;
  line_start_ = 0;
}

FileLineReader::Scan FileLineReader::LoadPiece(uint64_t offset) {
  SystemFile file;
  FileStamp now;
  if (!file.Open(path_, SystemFile::Mode::ReadShared) || !file.Stamp(&now)) return Scan::Failed;
  if (now != stamp_) return Scan::Changed;
  const uint64_t left = stamp_.size - offset;
  const std::size_t want = left < kFileLinePiece ? static_cast<std::size_t>(left) : kFileLinePiece;
  piece_.resize(want);
  std::size_t got = 0;
  if (!file.Seek(offset) || !file.Read(piece_.data(), want, &got)) {
    piece_.clear();
    return Scan::Failed;
  }
  bytes_read_ += got;
  piece_.resize(got);
  piece_offset_ = offset;
  // Shorter than its size said: the file is being changed under us.
  return got == want ? Scan::Found : Scan::Changed;
}

FileLineReader::Scan FileLineReader::Find(int64_t line_number, std::size_t max_length, std::string* line) {
  if (stamp_.size == 0) return Scan::NoLine;  // an empty file has no lines at all
  if (line_number < line_) Reset();
  const uint64_t size = stamp_.size;
  int64_t at = line_;
  uint64_t pos = line_start_;
  bool after_cr = false;  // an LF at pos still belongs to the CR before it
  while (at < line_number || after_cr) {
    if (pos >= size) {
      if (!after_cr) return Scan::NoLine;
      after_cr = false;
      continue;
    }
    if (pos < piece_offset_ || pos >= piece_offset_ + piece_.size()) {
      const Scan loaded = LoadPiece(pos);
      if (loaded != Scan::Found) return loaded;
    }
    const char* const base = piece_.data();
    const char* p = base + (pos - piece_offset_);
    const char* const end = base + piece_.size();
    if (after_cr) {
      after_cr = false;
      if (*p == '\n') ++p;
      pos = piece_offset_ + static_cast<uint64_t>(p - base);
      continue;
    }
    while (p < end && *p != '\r' && *p != '\n') ++p;
    if (p == end) {
      pos = piece_offset_ + piece_.size();
      continue;
    }
    ++at;
    after_cr = *p == '\r';
    pos = piece_offset_ + static_cast<uint64_t>(p - base) + 1;
  }
  line_ = at;
  line_start_ = pos;
  // The line's text: up to its end, or the end of the file, at most max_length.
  line->clear();
  while (pos < size && line->size() < max_length) {
    if (pos < piece_offset_ || pos >= piece_offset_ + piece_.size()) {
      // From the line's start, so that the next line's search begins inside
      // the piece instead of reading it again.
      const Scan loaded = LoadPiece(line_start_);
      if (loaded != Scan::Found) return loaded;
    }
    const char* const base = piece_.data();
    const char* p = base + (pos - piece_offset_);
    const char* const end = base + piece_.size();
    const char* q = p;
    const std::size_t room = max_length - line->size();
    while (q < end && static_cast<std::size_t>(q - p) < room && *q != '\r' && *q != '\n') ++q;
    line->append(p, static_cast<std::size_t>(q - p));
    if (q < end && (*q == '\r' || *q == '\n')) break;
    pos += static_cast<uint64_t>(q - p);
  }
  return Scan::Found;
}

bool FileLineReader::Read(std::string_view path, int64_t line_number, std::size_t max_length, std::string* line) {
  line->clear();
  if (line_number < 1 || path.empty()) return false;
  // A line is taken from at most two pieces.
  if (max_length > kFileLinePiece / 2) max_length = kFileLinePiece / 2;
  // A changed file found while reading starts the search over; a file that
  // keeps changing under every try is given up.
  const std::string full = KeyPath(path);
  for (int tries = 0; tries < 3; ++tries) {
    FileStamp now;
    if (!StampOfPath(full, &now) || now.folder) {
      Forget();
      return false;
    }
    if (!known_ || path_ != full || now != stamp_) {
      path_ = full;
      stamp_ = now;
      known_ = true;
      piece_.clear();
      piece_offset_ = 0;
      Reset();
    }
    const Scan scan = Find(line_number, max_length, line);
    if (scan == Scan::Found) return true;
    line->clear();
    if (scan == Scan::NoLine) return false;
    known_ = false;  // Failed or Changed: nothing kept can be trusted
    piece_.clear();
    Reset();
    if (scan == Scan::Failed) return false;
  }
  return false;
}

}  // namespace zelo
