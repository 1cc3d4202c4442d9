// Native build: no registry and no network-provider library. The steps that
// need them fail with a text that says so; the Windows build has them in
// file_association_win.cpp and network_drive_win.cpp.

#include "actions/files/file_association.h"
#include "actions/files/network_drive.h"

namespace zelo {

bool RegisterFileAssociation(const FileAssociation&, std::string* error) {
  if (error) *error = "File associations are not available on this system";
  return false;
}

DriveResult ConnectNetworkDrive(const std::string&, const std::string&, std::string* error) {
  if (error) *error = "Unable to load MPR.DLL: network drives are not available on this system";
  return DriveResult::Unavailable;
}

DriveResult ShowMapDrivePrompt(std::string* error) {
  if (error) *error = "Unable to load MPR.DLL: network drives are not available on this system";
  return DriveResult::Unavailable;
}

}  // namespace zelo
