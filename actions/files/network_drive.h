// Network drives through the system's network-provider library, loaded when
// first needed.
#pragma once

#include <string>

namespace zelo {

enum class DriveResult {
  Done,         // connected
  Failed,       // the system refused, reason in *error
  Cancelled,    // the user closed the prompt without connecting
  Unavailable,  // the library or its function cannot be had, reason in *error
};

// Connects drive (such as "H:") to share, remembered in the user's profile,
// without a password or user name.
DriveResult ConnectNetworkDrive(const std::string& drive, const std::string& share, std::string* error);
// Shows the system's dialog for connecting a network drive, owned by the
// foreground window.
DriveResult ShowMapDrivePrompt(std::string* error);

}  // namespace zelo
