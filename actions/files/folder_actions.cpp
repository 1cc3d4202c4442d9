// "Set Current Directory", "Create Folder", "Copy Folder", "Move/Rename
// Folder" and "Delete Folder".
#include "actions/files/file_action_steps.h"
#include "actions/shared/file_routines.h"
#include "base/text.h"

namespace zelo {

namespace {

// The full path without a separator at its end.
std::string FullFolderPath(const std::string& path) {
  std::string full = FullPathOf(path);
  while (full.size() > 1 && IsPathSeparator(full.back())) full.pop_back();
  return full;
}

// "C:", "C:\", "\", "/", "\\server\share": places whose deletion no script means.
bool IsRoot(std::string_view full) {
  if (full.empty() || (full.size() == 1 && IsPathSeparator(full[0]))) return true;
  if (full.size() == 2 && full[1] == ':') return true;
  if (full.size() > 2 && IsPathSeparator(full[0]) && IsPathSeparator(full[1])) {
    // \\server\share is the root of a share: it has at most one separator after the server.
    std::size_t separators = 0;
    for (std::size_t i = 2; i < full.size(); ++i) separators += IsPathSeparator(full[i]) ? 1 : 0;
    return separators <= 1;
  }
  return false;
}

// True when inner is outer or lies inside it.
bool IsInside(std::string_view inner, std::string_view outer) {
  if (inner.size() < outer.size() || !EqualsNoCase(inner.substr(0, outer.size()), outer)) return false;
  return inner.size() == outer.size() || IsPathSeparator(inner[outer.size()]);
}

}  // namespace

FileOutcome SetCurrentDirectoryStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No folder name provided");
  std::string error;
  if (!SetCurrentFolder(in.path, &error))
    return FileFailuref("Unable to change to folder '%s': %s", in.path.c_str(), error.c_str());
  return FileOutcome();
}

FileOutcome CreateFolderStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No folder name provided");
  std::string error;
  if (!MakeFolderPath(in.path, &error))
    return FileFailuref("Unable to create folder '%s': %s", in.path.c_str(), error.c_str());
  return FileOutcome();
}

FileOutcome CopyFolderStep(const FileStepInputs& in, bool move) {
  if (in.path.empty()) return FileFailure("No folder name provided");
  if (in.text.empty()) return FileFailure("No destination folder provided");
  const std::string from = FullFolderPath(in.path);
  const std::string to = FullFolderPath(in.text);
  if (HasWildcard(from) || !FolderExists(from)) return FileFailuref("The folder '%s' does not exist", from.c_str());
  if (HasWildcard(to)) return FileFailuref("The destination '%s' is not a folder name", to.c_str());
  // A copy into the folder itself would copy its own copy again and again.
  if (IsInside(to, from)) return FileFailuref("Unable to copy folder '%s' into itself ('%s')", from.c_str(), to.c_str());
  if (move && IsRoot(from)) return FileFailuref("Unable to move the root folder '%s'", from.c_str());
  std::string error;
  if (!MakeFolderPath(to, &error))
    return FileFailuref("Unable to create folder '%s': %s", to.c_str(), error.c_str());
  if (!CopyFolderContents(from, to, &error))
    return FileFailuref("Unable to copy folder '%s' to '%s': %s", from.c_str(), to.c_str(), error.c_str());
  ForgetFileLines();
  if (!move) return FileOutcome();
  FileStepInputs source;
  source.path = from;
  return DeleteFolderStep(source);
}

FileOutcome DeleteFolderStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No folder name provided");
  const std::string folder = FullFolderPath(in.path);
  // Only one real folder: a pattern would let the system delete whatever it matches.
  if (HasWildcard(folder) || !FolderExists(folder))
    return FileFailuref("The folder '%s' does not exist", folder.c_str());
  if (IsRoot(folder)) return FileFailuref("Unable to delete the root folder '%s'", folder.c_str());
  std::string error;
  ForgetFileLines();
  if (RemoveEmptyFolder(folder, &error)) return FileOutcome();
  if (!DeleteFolderTree(folder, &error) || FolderExists(folder))
    return FileFailuref("Unable to delete folder '%s': %s", folder.c_str(), error.c_str());
  return FileOutcome();
}

}  // namespace zelo
