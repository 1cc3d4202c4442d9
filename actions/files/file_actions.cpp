#include "actions/files/file_actions.h"

#include <cstdarg>
#include <cstdio>

#include "actions/files/file_action_steps.h"
#include "base/text.h"
#include "engine/handler_table.h"
#include "engine/run_engine.h"

namespace zelo {

namespace {

struct FileActionName {
  const char* name;
  FileAction action;
};

// Tested in this order after the whole name "Read File"; "Map Drive Prompt"
// before "Map Drive", which it contains.
constexpr FileActionName kFileActionNames[] = {
    {"Read File Line", FileAction::ReadFileLine},
    {"Count File Lines", FileAction::CountFileLines},
    {"Write/Create File", FileAction::WriteFile},
    {"Copy File", FileAction::CopyFile},
    {"Move/Rename File", FileAction::MoveFile},
    {"Delete File", FileAction::DeleteFile},
    {"Change File Size", FileAction::ChangeFileSize},
    {"Set File Association", FileAction::SetFileAssociation},
    {"Set Current Directory", FileAction::SetCurrentDirectory},
    {"Create Folder", FileAction::CreateFolder},
    {"Copy Folder", FileAction::CopyFolder},
    {"Move/Rename Folder", FileAction::MoveFolder},
    {"Delete Folder", FileAction::DeleteFolder},
    {"Map Drive Prompt", FileAction::MapDrivePrompt},
    {"Map Drive", FileAction::MapDrive},
};

FileServices g_services;

}  // namespace

FileOutcome FileFailure(std::string error) {
  FileOutcome out;
  out.passed = false;
  out.error = std::move(error);
  return out;
}

FileOutcome FileFailuref(const char* format, ...) {
  char buf[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return FileFailure(buf);
}

FileAction FileActionOf(std::string_view action) {
  if (EqualsNoCase(action, "Read File")) return FileAction::ReadFile;
  for (const FileActionName& n : kFileActionNames)
    if (ContainsNoCase(action, n.name)) return n.action;
  return FileAction::Unknown;
}

FileOutcome RunFileAction(const FileStepInputs& in, const FileServices& services) {
  switch (in.action) {
    case FileAction::ReadFile:
      return ReadFileStep(in);
    case FileAction::ReadFileLine:
      return ReadFileLineStep(in);
    case FileAction::CountFileLines:
      return CountFileLinesStep(in);
    case FileAction::WriteFile:
      return WriteFileStep(in);
    case FileAction::CopyFile:
      return CopyFileStep(in, false);
    case FileAction::MoveFile:
      return CopyFileStep(in, true);
    case FileAction::DeleteFile:
      return DeleteFileStep(in);
    case FileAction::ChangeFileSize:
      return ChangeFileSizeStep(in);
    case FileAction::SetFileAssociation:
      return SetFileAssociationStep(in);
    case FileAction::SetCurrentDirectory:
      return SetCurrentDirectoryStep(in);
    case FileAction::CreateFolder:
      return CreateFolderStep(in);
    case FileAction::CopyFolder:
      return CopyFolderStep(in, false);
    case FileAction::MoveFolder:
      return CopyFolderStep(in, true);
    case FileAction::DeleteFolder:
      return DeleteFolderStep(in);
    case FileAction::MapDrivePrompt:
      return MapDrivePromptStep();
    case FileAction::MapDrive:
      return MapDriveStep(in, services);
    case FileAction::Unknown:
      break;
  }
  return FileFailure("Unknown file action");
}

int RunFileStep(RunEngine& run, int slot, int index) {
  if (g_services.expand == nullptr || g_services.save == nullptr) {
    run.SetStepError("File actions are not connected to field expansion");
    return 0;
  }
  const ScriptSlot& script = run.workspace().slots[static_cast<std::size_t>(slot)];
  const StepRecord& step = script.steps[static_cast<std::size_t>(index)];
  FileStepInputs in;
  in.action = FileActionOf(step.action.view());
  if (in.action == FileAction::Unknown) {
    run.SetStepError("Unknown file action: \"%s\"", step.action.c_str());
    return 0;
  }
  // Each field is copied out before the next expansion replaces the buffer.
  in.path = g_services.expand(step.value(1).view(), slot, index);
  if (in.action != FileAction::MapDrive && !in.path.empty() && g_services.resolve != nullptr) {
    std::string full;
    g_services.resolve(in.path, &full, script.file_name.view());
    if (!full.empty()) in.path = full;
  }
  in.value2 = g_services.expand(step.value(2).view(), slot, index);
  in.value3 = g_services.expand(step.value(3).view(), slot, index);
  in.text = g_services.expand(step.text.view(), slot, index);
  const FileOutcome out = RunFileAction(in, g_services);
  if (out.has_result) g_services.save(step, slot, index, out.result);
  if (!out.passed) {
    run.SetStepError("%s", out.error.c_str());
    return 0;
  }
  return 1;
}

void RegisterFileActions(HandlerTable& table, const FileServices& services) {
  g_services = services;
  table.Set(CAT_FILES, &RunFileStep);
}

}  // namespace zelo
