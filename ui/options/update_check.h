// The update check: when the automatic check is due, how the published
// version in the version file is read and compared with the running one,
// and what the user is told. The Windows side fetches the file and shows
// the boxes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/civil_time.h"

namespace zelo {

inline constexpr char kUpdateCheckingFormat[] = "You are currently running version %s\n\nChecking for updates...";
inline constexpr char kUpgradeAvailableText[] =
    "An new version is available!\n\nDo you want to go to the main download site now?";
inline constexpr char kUpgradeAvailableCaption[] = "Upgrade Available";
inline constexpr char kSoftwareCurrentText[] =
    "Your computer is running the latest version.\n\nYou do not need to upgrade at this time.  Check back again "
    "soon for a new release.";
inline constexpr char kSoftwareCurrentCaption[] = "Software is Current";
inline constexpr char kUpgradeFailedText[] =
    "Unable to access the web server to check for the latest version.\n\nPlease try again later, or contact "
    "technical support with this issue.";
inline constexpr char kUpgradeFailedCaption[] = "Upgrade Failed";

// A version as a number that orders versions: cut at the first ".0", the
// dots (and anything else that is not a digit) removed, padded on the right
// with "0" to five digits.
int64_t VersionNumber(std::string_view version);
// The published version of a version file: the text before the first "|",
// without surrounding blanks and line ends; empty when it does not begin
// with a digit (an error page the server sent instead of the file).
std::string PublishedVersion(std::string_view version_file);

enum class UpdateOutcome { Available, Current, Failed };
// What a fetch of the version file tells: fetched is false when the server
// could not be reached.
UpdateOutcome JudgeVersionFile(bool fetched, std::string_view version_file, std::string_view running_version);

// "AutoUpdate" 1 checks once a day, 2 once a week, anything else never; a
// check is due when none was ever made, or the last one is that long ago
// (or lies ahead of now: the clock was put back).
bool UpdateCheckDue(int auto_update, const CivilTime* last_check, const CivilTime& now);

// "AutoUpdateLastCheck" holds a local time as Windows keeps one (SYSTEMTIME:
// eight 16-bit numbers, low byte first).
std::string EncodeCheckTime(const CivilTime& time);
bool DecodeCheckTime(std::string_view bytes, CivilTime* time);
void StoreLastUpdateCheck(const CivilTime& now);
// False when no check was ever stored.
bool ReadLastUpdateCheck(CivilTime* time);

// The version file's address; empty (the default) means the program does
// not look for updates at all.
std::string UpdateAddress();
// The page that "Upgrade Available" opens: "UpdateDownloadPage", else the
// folder of the version file's address.
std::string UpdateDownloadPage();

}  // namespace zelo
