// "Set File Association", "Map Drive" and "Map Drive Prompt".
#include "actions/files/file_action_steps.h"
#include "actions/files/file_association.h"
#include "actions/files/network_drive.h"
#include "actions/shared/action_services.h"
#include "actions/shared/file_routines.h"

namespace zelo {

FileOutcome SetFileAssociationStep(const FileStepInputs& in) {
  if (in.path.empty()) return FileFailure("No program provided");
  if (in.value2.empty() || in.value2 == ".") return FileFailure("No file extension provided");
  std::string error;
  FileAssociation association;
  association.program = in.path;
  association.extension = in.value2;
  association.description = in.text;
  if (!RegisterFileAssociation(association, &error))
    return FileFailuref("Unable to set the file association: %s", error.c_str());
  return FileOutcome();
}

FileOutcome MapDriveStep(const FileStepInputs& in, const ActionServices& services) {
  const std::string& share = in.path;
  const std::string& drive = in.text;
  if (share.empty()) return FileFailure("No shared folder provided");
  std::string error;
  const DriveResult result = ConnectNetworkDrive(drive, share, &error);
  if (result == DriveResult::Done) return FileOutcome();
  if (result == DriveResult::Unavailable) return FileFailure(error);
  // The provider refused: when the share can be found at all, "net use" gets
  // a second try, which may know credentials the provider call lacked.
  std::string found;
  const bool known = services.resolve_path != nullptr ? services.resolve_path(share, &found, std::string_view())
                                                      : FileExists(share);  // a share is a full path
  if (!known)
    return FileFailuref("The share name \"%s\" could not be found", share.c_str());
  const std::string command = "net use " + drive + " " + share;
  if (services.launch == nullptr || services.launch(command, false, 0, StopCheck()) == kLaunchFailed)
    return FileFailuref("Unable to run \"%s\"", command.c_str());
  return FileOutcome();
}

FileOutcome MapDrivePromptStep() {
  std::string error;
  switch (ShowMapDrivePrompt(&error)) {
    case DriveResult::Done:
      return FileOutcome();
    case DriveResult::Cancelled:
      return FileFailure("The map drive prompt was cancelled");
    case DriveResult::Unavailable:
      return FileFailure("Unable to show map prompt");
    case DriveResult::Failed:
      break;
  }
  return FileFailure(error);
}

}  // namespace zelo
