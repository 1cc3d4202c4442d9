// ResolvePath: turns a bare program or file name into a full path by the
// program's search order, so that steps can name "notepad.exe" or a file
// beside the script. The order is decided here over a few facts of the
// system (PathFacts); the Windows build answers them from the registry and
// the file system.
#pragma once

#include <string>
#include <string_view>

namespace zelo {

class PathFacts {
 public:
  virtual ~PathFacts() = default;
  // A file (not a folder) of that path exists.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // The "Path" value of the program's "App Paths" registration; false when
  // there is none.
  virtual bool AppPathsFolder(std::string_view name, std::string* folder) = 0;
  virtual std::string CurrentFolder() = 0;
  // The folder of the running program's executable.
  virtual std::string ProgramFolder() = 0;
  virtual std::string WindowsFolder() = 0;
  virtual std::string SystemFolder() = 0;
  // The name found along the system's own search path.
  virtual bool SearchSystemPath(std::string_view name, std::string* full) = 0;
};

// The facts of the running system.
PathFacts& SystemPathFacts();

// folder + "\" + name, without doubling a backslash the folder ends with.
std::string JoinPath(std::string_view folder, std::string_view name);
// The part of path before its last backslash; empty without one.
std::string_view FolderPart(std::string_view path);

// The search, over the given facts. script_path (the running script's file,
// may be empty) adds the script's folder to the places searched.
bool ResolvePathWith(PathFacts& facts, std::string_view name, std::string_view script_path, std::string* out);

// True and the full path in *out when the file was found; false and the
// name unchanged in *out when not.
bool ResolvePath(std::string_view name, std::string* out, std::string_view script_path = {});

}  // namespace zelo
