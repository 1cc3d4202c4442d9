// The "Files/Folders" category: reading, writing, counting lines, copying,
// moving, deleting and resizing files; creating, copying, moving and deleting
// folders; file associations, the current directory and network drives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "actions/shared/action_words.h"

namespace zelo {

class RunEngine;
struct ActionServices;

enum class FileAction {
  ReadFile,
  ReadFileLine,
  CountFileLines,
  WriteFile,
  CopyFile,
  MoveFile,
  DeleteFile,
  ChangeFileSize,
  SetFileAssociation,
  SetCurrentDirectory,
  CreateFolder,
  CopyFolder,
  MoveFolder,
  DeleteFolder,
  MapDrivePrompt,
  MapDrive,
  Unknown,
};

// "Read File" by its whole name, the others by the first name of the table
// (in its order) that the action contains; case does not matter.
extern const ActionWords<FileAction> kFileActions;
FileAction FileActionOf(std::string_view action);

// A step's fields as the actions use them, already expanded.
struct FileStepInputs {
  FileAction action = FileAction::Unknown;
  std::string path;    // value1, passed through the path search (the share of "Map Drive" as written)
  std::string value2;  // offsets, line number, new size, extension
  std::string value3;  // stop offset
  std::string text;    // data to write, destination, description, drive
};

struct FileOutcome {
  bool passed = true;
  std::string error;  // the step error text when the step fails
  bool has_result = false;
  std::string result;  // handed to the step's output when has_result
};

// Carries out one action on the real file system. Of the services it uses
// the path search (without it a share of "Map Drive" must exist as a file)
// and the launcher for "net use" (without it that fallback fails).
FileOutcome RunFileAction(const FileStepInputs& in, const ActionServices& services);

// The category's handler: expands the fields, passes value1 through the
// path search (when the services have one; names are then used as
// written), runs the action, saves its result. 1 = pass, 0 = fail with the
// reason in the step error text.
int RunFileStep(RunEngine& run, const ActionServices* services, int slot, int index);

}  // namespace zelo
