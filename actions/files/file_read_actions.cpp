// "Read File", "Read File Line" and "Count File Lines".
#include <algorithm>
#include <new>

#include "actions/files/file_action_steps.h"
#include "actions/shared/file_line_reader.h"
#include "actions/shared/file_routines.h"
#include "actions/files/line_ends.h"
#include "base/text.h"

namespace zelo {

FileOutcome ReadFileStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No file name provided");
  const int32_t start = std::max<int32_t>(TextToInt(in.value2), 0);
  const int32_t stop = TextToInt(in.value3);
  SystemFile file;
  FileStamp stamp;
  if (!file.Open(in.path, SystemFile::Mode::ReadShared) || !file.Stamp(&stamp))
    return FileFailuref("Unable to read '%s'", in.path.c_str());
  const uint64_t end = stop == 0 ? stamp.size : static_cast<uint64_t>(stop < 0 ? 0 : stop);
  if (static_cast<uint64_t>(start) > stamp.size)
    return FileFailuref("Start position %ld is beyond the end of '%s' (%llu bytes)", static_cast<long>(start),
                        in.path.c_str(), static_cast<unsigned long long>(stamp.size));
  if (stop < 0 || end < static_cast<uint64_t>(start))
    return FileFailuref("Stop position %ld is before start position %ld", static_cast<long>(stop),
                        static_cast<long>(start));
  // Never more than the file holds, whatever the stop position says.
  const uint64_t length = std::min(end, stamp.size) - static_cast<uint64_t>(start);
  FileOutcome out;
  try {
    out.result.resize(static_cast<std::size_t>(length));
  } catch (const std::bad_alloc&) {
    return FileFailure("Insufficient memory available");
  }
  std::size_t got = 0;
  // A read that breaks off passes with the bytes it got.
  if (file.Seek(static_cast<uint64_t>(start))) file.Read(out.result.data(), out.result.size(), &got);
  out.result.resize(got);
  out.has_result = true;
  return out;
}

FileOutcome ReadFileLineStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No file name provided");
  const int32_t number = TextToInt(in.value2);
  FileOutcome out;
  out.has_result = true;  // saved also when the line is missing: the output is then emptied
  if (ReadFileLine(in.path, number, &out.result) != 0) return out;
  out.passed = false;
  FileStamp stamp;
  if (!StampOfPath(in.path, &stamp) || stamp.folder)
    out.error = "Unable to read '" + in.path + "'";
  else if (number < 1)
    out.error = "Line number " + std::to_string(number) + " is not valid: lines count from 1";
  else
    out.error = "Line " + std::to_string(number) + " not found in '" + in.path + "'";
  return out;
}

FileOutcome CountFileLinesStep(const FileStepInputs& in) {
  FileOutcome out;
  out.has_result = true;
  LineEndCounter counter;
  SystemFile file;
  if (!in.path.empty() && file.Open(in.path, SystemFile::Mode::ReadShared)) {
    std::string piece(kFileLinePiece, '\0');
    std::size_t got = 0;
    while (file.Read(piece.data(), piece.size(), &got) && got > 0) counter.Feed(std::string_view(piece.data(), got));
  }
  out.result = std::to_string(counter.lines());
  return out;
}

}  // namespace zelo
