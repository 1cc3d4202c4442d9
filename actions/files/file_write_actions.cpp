// "Write/Create File" and "Change File Size".
#include "actions/files/file_action_steps.h"
#include "actions/shared/file_routines.h"
#include "base/text.h"

namespace zelo {

FileOutcome WriteFileStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No file name provided");
  const int32_t offset = TextToInt(in.value2);
  // A position past the end would fill the gap with whatever the system
  // provides; refused before anything, even the file, is created.
  FileStamp stamp;
  const uint64_t size = StampOfPath(in.path, &stamp) && !stamp.folder ? stamp.size : 0;
  if (offset > 0 && static_cast<uint64_t>(offset) > size)
    return FileFailuref("Start position %ld is beyond the end of '%s' (%llu bytes)", static_cast<long>(offset),
                        in.path.c_str(), static_cast<unsigned long long>(size));
  SystemFile file = OpenForWrite(in.path);
  if (!file.is_open()) return FileFailuref("Unable to write/create '%s'", in.path.c_str());
  std::string error;
  const bool placed = offset < 0 ? file.SeekToEnd(&error) : file.Seek(static_cast<uint64_t>(offset), &error);
  if (!placed || !file.Write(in.text.data(), in.text.size(), &error)) return FileFailure(error);
  return FileOutcome();
}

FileOutcome ChangeFileSizeStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No file name provided");
  const int32_t size = TextToInt(in.value2);
  if (size < 0) return FileFailuref("New size %ld is not valid", static_cast<long>(size));
  SystemFile file;
  std::string error;
  if (!file.Open(in.path, SystemFile::Mode::ReadWriteExisting, &error))
    return FileFailuref("Unable to open '%s': %s", in.path.c_str(), error.c_str());
  if (!file.Seek(static_cast<uint64_t>(size), &error) || !file.SetEndHere(&error))
    return FileFailuref("Unable to change the size of '%s': %s", in.path.c_str(), error.c_str());
  ForgetFileLines();
  return FileOutcome();
}

}  // namespace zelo
