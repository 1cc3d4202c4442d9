// The "Files/Folders" category: reading, writing, counting lines, copying,
// moving, deleting and resizing files; creating, copying, moving and deleting
// folders; file associations, the current directory and network drives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/step_record.h"

namespace zelo {

class HandlerTable;
class RunEngine;

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
FileAction FileActionOf(std::string_view action);

// What the handler takes from the rest of the program: field expansion
// (copying the expansion buffer), result saving, the path search that turns a
// bare name into a full path (ResolvePath; tests may leave it out, names are
// then used as written) and the program launcher for "net use" (LaunchCommand;
// without it that fallback fails).
struct FileServices {
  std::string (*expand)(std::string_view field, int slot, int step) = nullptr;
  void (*save)(const StepRecord& step, int slot, int step_index, std::string_view data) = nullptr;
  // True and the full path in *out when found; false and the name unchanged in *out when not.
  bool (*resolve)(std::string_view name, std::string* out, std::string_view script_path) = nullptr;
  // The launcher's result: -12349 when nothing could be started.
  int (*launch)(std::string_view command, bool visible, int32_t wait_ms) = nullptr;
};

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

// Carries out one action on the real file system.
FileOutcome RunFileAction(const FileStepInputs& in, const FileServices& services);

// The category's handler: expands the fields, runs the action, saves its
// result. 1 = pass, 0 = fail with the reason in the step error text.
int RunFileStep(RunEngine& run, int slot, int index);

// Makes RunFileStep the category's handler in table, using services.
void RegisterFileActions(HandlerTable& table, const FileServices& services);

}  // namespace zelo
