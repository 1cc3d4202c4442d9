// The recent-file list: the settings "SOFTWARE\Zelomat\RecentFile1" to
// "RecentFile9", most recent first, kept without gaps or duplicates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_names.h"

namespace zelo {

inline constexpr int kMaxRecentFiles = setting::kRecentFiles;

// The stored entries in order, empty ones left out.
std::vector<std::string> ReadRecentFiles();
// After a successful open or save: the file becomes RecentFile1 and the
// entries that were above it move down by one; the ninth drops off when the
// file was not listed. Paths compare without regard to case, over their whole
// length. An empty path changes nothing.
void AddToRecentFiles(std::string_view path);
// After a failed open: the file's entry goes and the entries after it move up.
void RemoveFromRecentFiles(std::string_view path);

}  // namespace zelo
