// The actions of the Files/Folders category, one function each, grouped in
// files by what they do; RunFileAction picks one.
#pragma once

#include "actions/files/file_actions.h"

namespace zelo {

// file_read_actions.cpp
FileOutcome ReadFileStep(const FileStepInputs& in);
FileOutcome ReadFileLineStep(const FileStepInputs& in);
FileOutcome CountFileLinesStep(const FileStepInputs& in);
// file_write_actions.cpp
FileOutcome WriteFileStep(const FileStepInputs& in);
FileOutcome ChangeFileSizeStep(const FileStepInputs& in);
// file_copy_actions.cpp
FileOutcome CopyFileStep(const FileStepInputs& in, bool move);
FileOutcome DeleteFileStep(const FileStepInputs& in);
// folder_actions.cpp
FileOutcome SetCurrentDirectoryStep(const FileStepInputs& in);
FileOutcome CreateFolderStep(const FileStepInputs& in);
FileOutcome CopyFolderStep(const FileStepInputs& in, bool move);
FileOutcome DeleteFolderStep(const FileStepInputs& in);
// file_shell_actions.cpp
FileOutcome SetFileAssociationStep(const FileStepInputs& in);
FileOutcome MapDriveStep(const FileStepInputs& in, const ActionServices& services);
FileOutcome MapDrivePromptStep();

// A failed outcome with its error text.
FileOutcome FileFailure(std::string error);
// The same, formatted.
FileOutcome FileFailuref(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace zelo
