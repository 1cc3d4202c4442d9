#include "actions/files/file_actions.h"

#include <cstdarg>
#include <cstdio>

#include "actions/files/file_action_steps.h"
#include "actions/shared/action_services.h"
#include "engine/run_engine.h"

namespace zelo {

namespace {

// Tested in this order: the whole name "Read File" first, which the others
// contain; "Map Drive Prompt" before "Map Drive", which it contains.
constexpr ActionWord<FileAction> kFileWords[] = {
    {"Read File", FileAction::ReadFile, WordMatch::Whole},
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

const ActionWords<FileAction> kFileActions{kFileWords};

FileAction FileActionOf(std::string_view action) { return kFileActions.KindOf(action, FileAction::Unknown); }

FileOutcome RunFileAction(const FileStepInputs& in, const ActionServices& services) {
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

int RunFileStep(RunEngine& run, const ActionServices* services, int slot, int index) {
  if (!ExpandsAndSaves(services)) {
    run.SetStepError("File actions are not connected to field expansion");
    return 0;
  }
  const auto expand = services->expand;
  const ScriptSlot& script = run.workspace().slots[static_cast<std::size_t>(slot)];
  const StepRecord& step = script.steps[static_cast<std::size_t>(index)];
  FileStepInputs in;
  in.action = FileActionOf(step.action.view());
  if (in.action == FileAction::Unknown) {
    run.SetStepError("Unknown file action: \"%s\"", step.action.c_str());
    return 0;
  }
  // Each field is copied out before the next expansion replaces the buffer.
  in.path = expand(step.value(1).view(), slot, index);
  if (in.action != FileAction::MapDrive && !in.path.empty() && services->resolve_path != nullptr) {
    std::string full;
    services->resolve_path(in.path, &full, script.file_name.view());
    if (!full.empty()) in.path = full;
  }
  in.value2 = expand(step.value(2).view(), slot, index);
  in.value3 = expand(step.value(3).view(), slot, index);
  in.text = expand(step.text.view(), slot, index);
  const FileOutcome out = RunFileAction(in, *services);
  if (out.has_result) services->save(step, slot, index, out.result);
  if (!out.passed) {
    run.SetStepError("%s", out.error.c_str());
    return 0;
  }
  return 1;
}

}  // namespace zelo
