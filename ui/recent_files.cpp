#include "ui/recent_files.h"

#include "base/text.h"
#include "settings/settings.h"
#include "settings/setting_names.h"

namespace zelo {

namespace {

constexpr std::size_t kMaxPathLength = 259;

std::string EntryPath(int number) { return SettingPath(setting::kRecentFilePattern, number); }

// Rewrites the list from entries: RecentFile1.. get them in order and the
// numbers after the last are deleted, so that no stale entry stays behind.
void WriteRecentFiles(const std::vector<std::string>& entries) {
  int number = 1;
  for (const std::string& e : entries) {
    if (number > kMaxRecentFiles) break;
    WriteSetting(EntryPath(number++), e);
  }
  for (; number <= kMaxRecentFiles; ++number) {
    std::string path = EntryPath(number);
    if (SettingExists(path)) DeleteSetting(path);
  }
}

}  // namespace

std::vector<std::string> ReadRecentFiles() {
  std::vector<std::string> entries;
  for (int number = 1; number <= kMaxRecentFiles; ++number) {
    std::string entry = ReadSettingText(EntryPath(number), kMaxPathLength);
    if (!entry.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

void AddToRecentFiles(std::string_view path) {
  if (path.empty()) return;
  std::vector<std::string> entries{std::string(path.substr(0, kMaxPathLength))};
  for (std::string& e : ReadRecentFiles())
    if (!EqualsNoCase(e, entries.front())) entries.push_back(std::move(e));
  WriteRecentFiles(entries);
}

void RemoveFromRecentFiles(std::string_view path) {
  if (path.empty()) return;
  std::vector<std::string> entries = ReadRecentFiles();
  std::vector<std::string> kept;
  for (std::string& e : entries)
    if (!EqualsNoCase(e, path)) kept.push_back(std::move(e));
  if (kept.size() != entries.size()) WriteRecentFiles(kept);
}

}  // namespace zelo
