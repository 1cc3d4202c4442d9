// "Copy File", "Move/Rename File" and "Delete File".
#include "actions/files/file_action_steps.h"
#include "actions/shared/file_routines.h"
#include "base/text.h"

namespace zelo {

FileOutcome CopyFileStep(const FileStepInputs& in, bool move) {
  if (in.path.empty()) return FileFailure("No file name provided");
  if (in.text.empty()) return FileFailure("No destination file name provided");
  std::string to = in.text;
  if (to.find('\\') == std::string::npos && to.find('/') == std::string::npos) {
    // A bare name goes beside the source.
    const std::size_t cut = LastPathSeparator(in.path);
    if (cut != std::string::npos) to = in.path.substr(0, cut + 1) + to;
  }
  FileStamp source;
  if (!StampOfPath(in.path, &source) || source.folder)
    return FileFailuref("The file '%s' does not exist", in.path.c_str());
  // Copying a file onto itself, then deleting the "source", would lose it.
  if (EqualsNoCase(FullPathOf(in.path), FullPathOf(to)))
    return FileFailuref("'%s' and '%s' are the same file", in.path.c_str(), to.c_str());
  std::size_t cut = to.find_last_of("\\/:");
  std::string error;
  if (cut != std::string::npos && cut > 0 && to[cut] != ':') {
    const std::string folder = to.substr(0, cut);
    if (!(folder.size() == 2 && folder[1] == ':') && !MakeFolderPath(folder, &error))
      return FileFailuref("Unable to create folder '%s': %s", folder.c_str(), error.c_str());
  }
  if (!CopyOneFile(in.path, to, &error))
    return FileFailuref("Unable to copy '%s' to '%s': %s", in.path.c_str(), to.c_str(), error.c_str());
  ForgetFileLines();
  if (move && !DeleteOneFile(in.path, &error))
    return FileFailuref("Copied '%s' to '%s' but could not delete it: %s", in.path.c_str(), to.c_str(),
                        error.c_str());
  return FileOutcome();
}

FileOutcome DeleteFileStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No file name provided");
  std::string pattern = in.path;
  // A folder named with its separator stands for the files in it (not its subfolders).
  if (IsPathSeparator(pattern.back()) && FolderExists(pattern)) pattern += "*.*";
  const std::size_t cut = LastPathSeparator(pattern);
  const std::string folder = cut == std::string::npos ? std::string() : pattern.substr(0, cut + 1);
  int deleted = 0;
  std::string error;
  for (const FolderEntry& entry : ListMatches(pattern)) {
    if (entry.folder) continue;
    const std::string path = folder + entry.name;
    if (!DeleteOneFile(path, &error)) {
      ForgetFileLines();
      return FileFailuref("Unable to delete '%s': %s", path.c_str(), error.c_str());
    }
    ++deleted;
  }
  ForgetFileLines();
  if (deleted == 0) return FileFailuref("No file matches '%s'", in.path.c_str());
  return FileOutcome();
}

}  // namespace zelo
